// CStartupBoxes: the boxes the start-up may open, shown one after another in a fixed order.
#include "app/cstartupboxes.h"

#include <QTimer>

CStartupBoxes::CStartupBoxes(QObject *parent)
    : QObject(parent)
{ }

void CStartupBoxes::add(Box box, const ShowBox &showBox)
{
    boxes.insert(box, showBox);
}

void CStartupBoxes::ready(Box box)
{
    if (box < turn) {
        boxes.value(box)([] {});
        return;
    }
    decide(box, true);
}

void CStartupBoxes::skip(Box box)
{
    if (box >= turn)
        decide(box, false);
}

void CStartupBoxes::decide(Box box, bool show)
{
    decided.insert(box, show);
    showNext();
}

void CStartupBoxes::showNext()
{
    // A box answered within its own call lets the loop below go on.
    if (showing)
        return;
    showing = true;
    while (!boxOpen && decided.contains(Box(turn))) {
        const Box box = Box(turn);
        const bool show = decided.take(box);
        ++turn;
        if (!show)
            continue;
        boxOpen = true;
        boxes.value(box)([this] {
            boxOpen = false;
            // A box answered later lets the next one open from the event loop, not from within
            // its own signal.
            QTimer::singleShot(0, this, &CStartupBoxes::showNext);
        });
    }
    showing = false;
}
