#pragma once
// A status bar of numbered text panels (numbered from 1), as the betting office uses it.
#include <QLabel>
#include <QStatusBar>
#include <QVector>

namespace platform {

class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    // One stretch factor per panel: 0 sizes the panel to its text.
    PanelStatusBar(const QVector<int> &stretches, QWidget *parent = nullptr);
    int panelCount() const { return panels_.size(); }
    QString panelText(int number) const;
    void setPanelText(int number, const QString &text);
    QLabel *panel(int number) const;

private:
    QVector<QLabel *> panels_;
};

}  // namespace platform
