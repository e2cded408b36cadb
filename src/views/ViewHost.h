#pragma once

namespace Zentrix {

class TextGrid;

// What the Graph and Gauge windows need of the frame that holds them.
class ViewHost
{
public:
    virtual ~ViewHost() = default;
    virtual void ReplayRow(int row, bool toGraphs, bool toGauges, bool updateSummary) = 0;
    virtual void SetAcquisition(bool on) = 0;
    // The serial link is open: a run is going on.
    virtual bool LinkOpen() const = 0;
    // The data sheet grid: row r holds sample r - 1, columns 1 to 4 its four lines.
    virtual const TextGrid *DataSheet() const = 0;
};

} // namespace Zentrix
