#pragma once

#include <QSaveFile>
#include <QString>

namespace Zentrix {

class TextGrid;
struct TSettings;

// The two names of a data file pair, derived from the name the operator chose.
struct DataFileNames
{
    QString data;      // .DMM
    QString companion; // .CFG
};
DataFileNames DeriveDataFileNames(const QString &fileName);

// The grid text form: one line per row, every cell followed by ",", lines ended by CR LF.
// A cell holding a comma or a line break (or starting with a quote) is written between quotes,
// with its quotes doubled, so that it reads back as one cell; other cells are written as they are.
QByteArray GridText(const TextGrid &grid);
// Reads the text into the grid from cell (0, 0); the grid grows to hold it, never shrinks.
void ParseGridText(TextGrid &grid, const QByteArray &text);

// Write and read whole files. SaveGridText replaces the file only once it is fully written.
// Errors: "Cannot create file <name>", "Cannot open file <name>".
void SaveGridText(const TextGrid &grid, const QString &fileName);
// Opens the file aside and writes all of the bytes, or throws "Cannot create file <name>"; a write
// that falls short (a full disk) is an error, not a shorter file.
void WriteWhole(QSaveFile &file, const QByteArray &bytes);
void LoadGridText(TextGrid &grid, const QString &fileName);

// The companion grid into settings; throws "'<text>' is not a valid integer value" for an
// integer cell that is not one, leaving s unchanged.
void ApplyConfigGrid(const TextGrid &config, TSettings &s);

} // namespace Zentrix
