#include "update/update_notice_window.h"

#include "info/page_window.h"
#include "info/pages.h"
#include "platform/maker.h"
#include "platform/twips.h"
#include "platform/widgets/link_label.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/svg_picture.h"
#include "platform/widgets/window_fit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using platform::twipsRect;

UpdateNoticeWindow::UpdateNoticeWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 6240, 2880));
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Update Manager"));
    setFixedSize(platform::twipsSize(6240, 2880));

    auto *frame = platform::placed(new QGroupBox(QStringLiteral("PADDOX UPDATE MANAGER - "), this), QStringLiteral("Frame1"), twipsRect(120, 120, 6000, 1980));
    auto *picture = platform::placed(new QLabel(frame), QStringLiteral("Image1"), twipsRect(180, 420, 960, 960));
    picture->setPixmap(platform::svgPixmap(QStringLiteral(":/info/update.svg"), picture->size(), devicePixelRatioF()));
    const QString where = QStringLiteral("The Next Version Of Paddox is now ready to download from ") + QString::fromLatin1(platform::makerWebHost);
    auto *downloadLink = platform::placed(new platform::LinkLabel(where, frame), QStringLiteral("Label1"), twipsRect(1320, 420, 4500, 1320));
    downloadLink->setWordWrap(true);
    downloadLink->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(downloadLink, &platform::LinkLabel::clicked, this, &UpdateNoticeWindow::showDownloadPage);

    auto *downloadButton = platform::placed(new QPushButton(QStringLiteral("Download"), this), QStringLiteral("Command1"), twipsRect(2280, 2250, 1680, 450));
    downloadButton->setDefault(true);
    auto *laterButton = platform::placed(new QPushButton(QStringLiteral("i'll download later"), this), QStringLiteral("Command2"), twipsRect(4080, 2250, 2040, 450));
    connect(downloadButton, &QPushButton::clicked, this, &UpdateNoticeWindow::onDownloadClicked);
    connect(laterButton, &QPushButton::clicked, this, &QWidget::close);
}

UpdateNoticeWindow::~UpdateNoticeWindow() = default;

void UpdateNoticeWindow::showDownloadPage()
{
    info::setPageTarget(QString::fromLatin1(platform::makerDownloadPage));
    info::openPageWindow();
}

void UpdateNoticeWindow::onDownloadClicked()
{
    showDownloadPage();
    close();
}
