#pragma once

#include "TextGrid.h"
#include "ViewHost.h"

#include <vector>

// The frame as the views see it: a data sheet, a link that is open or not, and a record of calls.
struct FakeHost : Zentrix::ViewHost
{
    Zentrix::TextGrid sheet{6, 2, 1, 1};
    bool linkOpen = false;
    std::vector<int> replayedRows;
    std::vector<bool> acquisitionCalls;

    void ReplayRow(int row, bool, bool toGauges, bool) override
    {
        if (toGauges)
            replayedRows.push_back(row);
    }
    void SetAcquisition(bool on) override { acquisitionCalls.push_back(on); }
    bool LinkOpen() const override { return linkOpen; }
    const Zentrix::TextGrid *DataSheet() const override { return &sheet; }
};
