#pragma once
#include "photos/PhotoAlbum.h"

#include <QList>
#include <QWidget>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The photographs of the species selected in the species list, one at a time
// with their photographer and description; for a species without photographs,
// a request for pictures instead. A new window opens on every use.
class frmImage : public QWidget {
    Q_OBJECT
public:
    explicit frmImage(QWidget *owner);
    ~frmImage() override;

    // Opens the photo query of the selected list row and shows the first photograph.
    void LoadPhotos();
    void cmdNext_Click();
    void cmdPervious_Click();

    QGroupBox *Frame1;
    QLabel *imgSilvar;
    QLineEdit *txtAuthor;
    QLineEdit *txtDetail;
    QList<QLabel *> Label1; // 0 "Description", 1 "Photo By"
    QPlainTextEdit *txtSendPhoto;
    QPushButton *cmdPervious;
    QPushButton *cmdNext;
    QPushButton *cmdClose;

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void retranslate();
    QString m_speciesName; // the selected row's name when the window opened
    void showCurrentRow();
    void showPicture(const Photo &photo);

    std::unique_ptr<PhotoAlbum> m_album;
};
