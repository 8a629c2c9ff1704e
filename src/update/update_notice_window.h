#pragma once
#include <QDialog>

// The new-version notice: a newer Paddox waits on the maker's web site.
class UpdateNoticeWindow : public QDialog {
    Q_OBJECT
public:
    UpdateNoticeWindow();
    ~UpdateNoticeWindow() override;

private:
    // The download page in the page window; the notice stays.
    void showDownloadPage();
    void onDownloadClicked();
};
