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

    // How the box opens.
    void add(Box box, const ShowBox &showBox);
    // The box has something to show: it opens when the boxes before it have been answered or
    // skipped and no other box is open, at once when its turn has passed.
    void ready(Box box);
    // The box will not come: the ones after it need not wait for it.
    void skip(Box box);

private:
    void decide(Box box, bool show);
    void showNext();

    QMap<Box, ShowBox> boxes;
    // The boxes decided on and not yet reached: true to show, false to skip.
    QMap<Box, bool> decided;
    int turn = FirmwareNotice;
    bool boxOpen = false;
    bool showing = false;
};
