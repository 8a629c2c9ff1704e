#pragma once
// A label that acts as a link: it reports clicks and underlines itself as the mouse works on it.
#include <QLabel>

namespace platform {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);
    void setUnderlined(bool on);
    bool underlined() const;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // With the keyboard focus the link wears a dotted frame, so Space and Enter never act unseen.
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

}  // namespace platform
