#include "update/update_notice_window.h"

#include "info/page_window.h"
#include "info/pages.h"
#include "platform/maker.h"
#include "platform/twips.h"
#include "platform/widgets/link_label.h"
#include "platform/widgets/svg_picture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using platform::twipsRect;

UpdateNoticeWindow::UpdateNoticeWindow()
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Update Manager"));
    setFixedSize(platform::twipsSize(6240, 2880));

    Frame1 = new QGroupBox(QStringLiteral("PADDOX UPDATE MANAGER - "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(120, 120, 6000, 1980));
    auto *picture = new QLabel(Frame1);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(twipsRect(180, 420, 960, 960));
    picture->setPixmap(platform::svgPixmap(QStringLiteral(":/info/update.svg"), picture->size(), devicePixelRatioF()));
    Label1 = new platform::LinkLabel(QString(), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(1320, 420, 4500, 1320));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(Label1, &platform::LinkLabel::clicked, this, &UpdateNoticeWindow::Label1_Click);

    Command1 = new QPushButton(QStringLiteral("Download"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(2280, 2250, 1680, 450));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("i'll download later"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(4080, 2250, 2040, 450));
    connect(Command1, &QPushButton::clicked, this, &UpdateNoticeWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &UpdateNoticeWindow::Command2_Click);

    Form_Load();
}

UpdateNoticeWindow::~UpdateNoticeWindow() = default;

void UpdateNoticeWindow::Form_Load()
{
    Label1->setText(QStringLiteral("The Next Version Of Paddox is now ready to download from ") +
                    QString::fromLatin1(platform::makerWebHost));
}

void UpdateNoticeWindow::Label1_Click()
{
    info::setPageTarget(QString::fromLatin1(platform::makerDownloadPage));
    info::openPageWindow();
}

void UpdateNoticeWindow::Command1_Click()
{
    Label1_Click();
    close();
}

void UpdateNoticeWindow::Command2_Click() { close(); }
