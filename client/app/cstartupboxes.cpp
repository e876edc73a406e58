// CStartupBoxes: the boxes the start-up may open, shown one after another in a fixed order.
#include "app/cstartupboxes.h"

#include <QTimer>

CStartupBoxes::CStartupBoxes(QObject *parent)
    : QObject(parent)
{ }

void CStartupBoxes::show(Box box, const ShowBox &showBox)
{
    if (box < turn) {
        showBox([] {});
        return;
    }
    waiting.insert(box, showBox);
    showNext();
}

void CStartupBoxes::skip(Box box)
{
    if (box < turn)
        return;
    waiting.insert(box, nullptr);
    showNext();
}

void CStartupBoxes::showNext()
{
    // A box answered within its own call lets the loop below go on.
    if (showing)
        return;
    showing = true;
    while (!boxOpen && waiting.contains(Box(turn))) {
        const ShowBox showBox = waiting.take(Box(turn));
        ++turn;
        if (!showBox)
            continue;
        boxOpen = true;
        showBox([this] {
            boxOpen = false;
            // A box answered later lets the next one open from the event loop, not from within
            // its own signal.
            QTimer::singleShot(0, this, &CStartupBoxes::showNext);
        });
    }
    showing = false;
}
