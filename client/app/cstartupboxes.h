// CStartupBoxes: the boxes the start-up may open, shown one after another in a fixed order.
#pragma once

#include <QMap>
#include <QObject>

#include <functional>

class CStartupBoxes : public QObject
{
    Q_OBJECT

public:
    // In the order they are shown.
    enum Box { FirmwareNotice, PointsRecovery, UpdateResult };
    // Opens a box; the box calls `answered` once the user has answered it.
    using ShowBox = std::function<void(const std::function<void()> &answered)>;

    explicit CStartupBoxes(QObject *parent = nullptr);

    // Shows the box when the boxes before it have been answered or skipped and no other box is
    // open. A box whose turn has passed is shown at once.
    void show(Box box, const ShowBox &showBox);
    // The box will not come: the ones after it need not wait for it.
    void skip(Box box);

private:
    void showNext();

    QMap<Box, ShowBox> waiting;
    int turn = FirmwareNotice;
    bool boxOpen = false;
    bool showing = false;
};
