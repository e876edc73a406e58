// UpdateInfoDialog: lists the available updates and asks when to install them.
#include "updateinfodialog.h"

#include "messagebox.h"
#include "updatekitresources.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace UpdateKit {

namespace {

// The update icon beside the header, shown only when the application has an icon of its own.
QPixmap headerIcon()
{
    if (QApplication::windowIcon().isNull())
        return QPixmap();
    initUpdateKitResources();
    return QIcon(QStringLiteral(":/updaterIcons/update.ico")).pixmap(64, 64);
}

} // namespace

QString UpdateInfoDialog::sizeText(quint64 bytes)
{
    if (bytes < 1024)
        return tr("%L1 Bytes").arg(bytes);
    const quint64 kibibytes = bytes / 1024;
    if (kibibytes < 1024)
        return tr("%L1 KiB").arg(bytes / 1024.0, 0, 'f', 2);
    const quint64 mebibytes = kibibytes / 1024;
    if (mebibytes < 1024)
        return tr("%L1 MiB").arg(kibibytes / 1024.0, 0, 'f', 2);
    return tr("%L1 GiB").arg(mebibytes / 1024.0, 0, 'f', 2);
}

UpdateInfoDialog::UpdateInfoDialog(
    const QList<Updater::UpdateInfo> &updates, bool runAsAdmin, bool editable, QWidget *parent)
    : QDialog(parent, Qt::MSWindowsFixedSizeDialogHint)
{
    setModal(true);
    if (!parent)
        setWindowModality(Qt::ApplicationModal);
    resize(612, 380);
    setSizeGripEnabled(true);
    setWindowTitle(tr("Check for Updates"));

    auto *layout = new QVBoxLayout(this);

    auto *headerRow = new QHBoxLayout;
    auto *imageLabel = new QLabel(this);
    imageLabel->setObjectName(QStringLiteral("imageLabel"));
    imageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap icon = headerIcon();
    if (icon.isNull())
        imageLabel->hide();
    else
        imageLabel->setPixmap(icon);
    headerRow->addWidget(imageLabel, 0, Qt::AlignLeft | Qt::AlignTop);
    auto *headerLabel = new QLabel(
        tr("Updates for %1 are available!").arg(QGuiApplication::applicationDisplayName()), this);
    headerLabel->setObjectName(QStringLiteral("headerLabel"));
    QFont headerFont = headerLabel->font();
    headerFont.setPointSize(12);
    headerLabel->setFont(headerFont);
    QPalette headerPalette = headerLabel->palette();
    headerPalette.setColor(QPalette::WindowText, QColor(0, 51, 153));
    headerLabel->setPalette(headerPalette);
    headerRow->addWidget(headerLabel, 1);
    layout->addLayout(headerRow);

    auto *stateLabel = new QLabel(
        tr("There are new updates available! You can install them now or later."), this);
    stateLabel->setObjectName(QStringLiteral("stateLabel"));
    stateLabel->setWordWrap(true);
    layout->addWidget(stateLabel);
    auto *captionLabel = new QLabel(tr("Updates:"), this);
    QFont captionFont = captionLabel->font();
    captionFont.setBold(true);
    captionLabel->setFont(captionFont);
    layout->addWidget(captionLabel);

    auto *updateList = new QTreeWidget(this);
    updateList->setObjectName(QStringLiteral("updateListTreeWidget"));
    updateList->setColumnCount(3);
    updateList->setHeaderLabels({ tr("Component Name"), tr("Version"), tr("Update Size") });
    updateList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    updateList->setSelectionMode(QAbstractItemView::NoSelection);
    updateList->setAlternatingRowColors(true);
    updateList->setRootIsDecorated(false);
    updateList->setItemsExpandable(false);
    updateList->setExpandsOnDoubleClick(false);
    updateList->setDropIndicatorShown(false);
    updateList->setTabKeyNavigation(true);
    for (const Updater::UpdateInfo &update : updates) {
        auto *item = new QTreeWidgetItem(updateList);
        item->setText(0, update.name);
        item->setText(1, update.version.toString());
        item->setText(2, sizeText(update.size));
        item->setToolTip(2, tr("%L1 Bytes").arg(update.size));
    }
    for (int column = 0; column < 3; ++column)
        updateList->resizeColumnToContents(column);
    layout->addWidget(updateList);

    runAdminCheckBox = new QCheckBox(tr("Run with &elevated rights"), this);
    runAdminCheckBox->setObjectName(QStringLiteral("runAdminCheckBox"));
    runAdminCheckBox->setChecked(runAsAdmin);
    runAdminCheckBox->setEnabled(editable);
    layout->addWidget(runAdminCheckBox);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    auto *skipButton = new QPushButton(tr("Install later"), this);
    skipButton->setObjectName(QStringLiteral("skipButton"));
    connect(skipButton, &QPushButton::clicked, this, &QDialog::reject);
    buttonRow->addWidget(skipButton);
    auto *delayButton = new QPushButton(tr("Install On Exit"), this);
    delayButton->setObjectName(QStringLiteral("delayButton"));
    buttonRow->addWidget(delayButton);
    auto *acceptButton = new QPushButton(tr("Install Now"), this);
    acceptButton->setObjectName(QStringLiteral("acceptButton"));
    acceptButton->setDefault(true);
    buttonRow->addWidget(acceptButton);
    layout->addLayout(buttonRow);

    QMetaObject::connectSlotsByName(this);
}

UpdateInfoDialog::DialogResult UpdateInfoDialog::showUpdateInfo(
    const QList<Updater::UpdateInfo> &updates, bool &runAsAdmin, bool editable, bool detailed,
    QWidget *parent)
{
    if (!detailed)
        return showShortForm(updates, runAsAdmin, editable, parent);

    UpdateInfoDialog dialog(updates, runAsAdmin, editable, parent);
    const auto result = static_cast<DialogResult>(dialog.exec());
    if (result != NoInstall && editable)
        runAsAdmin = dialog.runAdminCheckBox->isChecked();
    return result;
}

UpdateInfoDialog::DialogResult UpdateInfoDialog::showShortForm(
    const QList<Updater::UpdateInfo> &updates, bool &runAsAdmin, bool editable, QWidget *parent)
{
    QMessageBox box(parent);
    prepareMessageBox(box, parent);
    box.setWindowTitle(tr("Check for Updates"));
    const QPixmap icon = headerIcon();
    if (!icon.isNull())
        box.setIconPixmap(icon);
    box.setText(tr("Updates for %1 are available!").arg(QGuiApplication::applicationDisplayName()));
    box.setInformativeText(
        tr("There are new updates available! You can install them now or later."));
    QStringList lines;
    for (const Updater::UpdateInfo &update : updates)
        lines
            << tr("%1 v%2 — %3").arg(update.name, update.version.toString(), sizeText(update.size));
    box.setDetailedText(lines.join(QLatin1Char('\n')));

    auto *checkBox = new QCheckBox(tr("Run with &elevated rights"), &box);
    checkBox->setChecked(runAsAdmin);
    checkBox->setEnabled(editable);
    box.setCheckBox(checkBox);

    QPushButton *nowButton = box.addButton(tr("Install Now"), QMessageBox::AcceptRole);
    QPushButton *exitButton = box.addButton(tr("Install On Exit"), QMessageBox::ActionRole);
    QPushButton *laterButton = box.addButton(tr("Install later"), QMessageBox::RejectRole);
    box.setDefaultButton(nowButton);
    box.setEscapeButton(laterButton);
    box.exec();

    DialogResult result = NoInstall;
    if (box.clickedButton() == nowButton)
        result = InstallNow;
    else if (box.clickedButton() == exitButton)
        result = InstallLater;
    if (result != NoInstall && editable)
        runAsAdmin = checkBox->isChecked();
    return result;
}

void UpdateInfoDialog::on_acceptButton_clicked()
{
    const QMessageBox::StandardButton answer = showMessageBox(this, QMessageBox::Question,
        tr("Install Now"), tr("Close the application and install updates?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        done(InstallNow);
}

void UpdateInfoDialog::on_delayButton_clicked()
{
    showMessageBox(this, QMessageBox::Information, tr("Install On Exit"),
        tr("Updates will be installed on exit. The maintenance tool will be started as soon as "
           "you close the application!"));
    done(InstallLater);
}

} // namespace UpdateKit
