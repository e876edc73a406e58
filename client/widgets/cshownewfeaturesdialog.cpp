// CShowNewFeaturesDialog: the firmware upgrade notice shown at start-up until the user upgrades.
#include "widgets/cshownewfeaturesdialog.h"

#include "cfilelocations.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The notice text, or an empty one when the file is missing or unreadable.
QString readNoticeFile(const QString &localeName)
{
    const CFileLocations *locations = CFileLocations::instance();
    QString path = locations->shippedFile(QStringLiteral("hex/ArvexFirmwareFeatures.html"));
    if (!localeName.isEmpty()) {
        const QString translated = locations->shippedFile(
            QStringLiteral("hex/ArvexFirmwareFeatures_%1.html").arg(localeName));
        // A translation may lag behind a new notice; the English one is better than none.
        if (QFile::exists(translated))
            path = translated;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // The text ends at the first zero byte, if any.
    return QString::fromUtf8(file.readAll().constData());
}

} // namespace

CShowNewFeaturesDialog::CShowNewFeaturesDialog(QWidget *parent, const QString &localeName)
    : CDialog(parent)
{
    QWidget *content = createFramedContent(tr("Important Upgrading Notice"), QSize(800, 480));
    auto *contentLayout = static_cast<QVBoxLayout *>(content->layout());
    contentLayout->setContentsMargins(0, 10, 0, 10);

    featuresLabel
        = createRichTextLabel("QLabel{color:#000000; font:normal normal 16px \"Arial\";}", content);
    featuresLabel->setObjectName("featuresLabel");
    featuresLabel->setText(readNoticeFile(localeName));
    QHBoxLayout *featuresRow = createIndentedRow();
    featuresRow->addWidget(featuresLabel);
    contentLayout->addLayout(featuresRow);

    QHBoxLayout *buttonRow = createIndentedRow();
    buttonRow->addStretch();
    QPushButton *upgradeBtn = createCommonButton(tr("Upgrade my firmware"), 160, content);
    connect(upgradeBtn, SIGNAL(clicked()), this, SLOT(accept()));
    buttonRow->addWidget(upgradeBtn);
    QPushButton *remindLaterBtn = createCommonButton(tr("Remind me later"), 160, content);
    connect(remindLaterBtn, SIGNAL(clicked()), this, SLOT(reject()));
    buttonRow->addWidget(remindLaterBtn);
    contentLayout->addLayout(buttonRow);
}

void CShowNewFeaturesDialog::setNewFeatures(QString text)
{
    featuresLabel->setText(text);
}
