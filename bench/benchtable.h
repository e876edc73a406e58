// BenchTable: a shown point table for the table benchmarks, with the user's row operations.
#pragma once

#include "playback/cplaybacktableview.h"

class BenchTable
{
public:
    // count points that differ row by row, with every motion style.
    static PlaybackPoints points(int count);
    // Answers the next message box with Yes, from inside its own event loop.
    static void answerYes();

    // A shown table of rows points, made anew (untimed) for every group of timed operations.
    explicit BenchTable(int rows);

    // Runs a slot as its key or menu item does; the pending layout and paint are part of the cost.
    void run(const char *slot);
    void undo();
    void redo();
    // Selects every step-th row.
    void selectRows(int step);
    int rowCount() const;
    // Fails the run when the table does not hold the points expected.
    void check(const char *what, int size, const PlaybackPoints &expected) const;

    CPlaybackTableView view;
};
