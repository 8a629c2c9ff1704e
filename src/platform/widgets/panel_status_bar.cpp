#include "platform/widgets/panel_status_bar.h"

namespace platform {

PanelStatusBar::PanelStatusBar(const QVector<int> &stretches, QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (int i = 0; i < stretches.size(); ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(60);
        addPermanentWidget(label, stretches[i]);
        panels_.append(label);
    }
}

QLabel *PanelStatusBar::panel(int number) const
{
    return number >= 1 && number <= panels_.size() ? panels_[number - 1] : nullptr;
}

QString PanelStatusBar::panelText(int number) const
{
    const QLabel *label = panel(number);
    return label ? label->text() : QString();
}

void PanelStatusBar::setPanelText(int number, const QString &text)
{
    if (QLabel *label = panel(number))
        label->setText(text);
}

}  // namespace platform
