#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace Zentrix {

// An open or save file dialog as set on a form: title, filter, default suffix and start directory.
class TFileDialog
{
public:
    enum Mode { Open, Save };

    explicit TFileDialog(Mode mode) : m_mode(mode) {}

    Mode mode() const { return m_mode; }
    QString Title;          // empty: the system's default title
    QString Filter;         // Qt form, e.g. "DMM files (*.DMM)"
    QString DefaultExt;     // without the dot
    QString InitialDir;
    bool OverwritePrompt = false;

    // True when the operator confirmed a file; FileName then holds its full path.
    bool Execute(QWidget *owner);
    QString FileName;

    // Tests answer the dialog here: the chosen path, or nullopt to cancel.
    using Responder = std::function<std::optional<QString>(const TFileDialog &)>;
    static void setResponder(Responder r);

private:
    Mode m_mode;
};

} // namespace Zentrix
