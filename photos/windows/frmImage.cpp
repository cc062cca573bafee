#include "photos/windows/frmImage.h"

#include "catalogue/CurrentSpecies.h"
#include "controls/TopmostWindow.h"
#include "controls/Twips.h"
#include "photos/windows/PhotoPictures.h"
#include "photos/PhotoRequest.h"

#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include <exception>

namespace {

QLineEdit *readOnlyBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    return box;
}

} // namespace

frmImage::frmImage(QWidget *owner) : QWidget(nullptr)
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmImage"));
    buildControls();
    setFixedSize(TwipsToPixelsX(7800, this), TwipsToPixelsY(7500, this));

    // Every step goes on when an earlier one fails: without a selected row the
    // window keeps its design contents.
    try {
        LoadPhotos();
    } catch (const std::exception &) {
        // The window opens with its design picture; a catalogue that cannot
        // list the photographs is told by the list window's own messages.
    }
    m_speciesName = CurrentSpecies::instance().selectedName();
    retranslate();
}

void frmImage::retranslate()
{
    setWindowTitle(m_speciesName.isEmpty() ? tr("Photo Species") : tr("Photo Species - %1").arg(m_speciesName));
    Label1[0]->setText(tr("Description"));
    Label1[1]->setText(tr("Photo By"));
    cmdPervious->setToolTip(tr("Previous photograph"));
    cmdNext->setToolTip(tr("Next photograph"));
    cmdClose->setText(tr("Close"));
}

void frmImage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

frmImage::~frmImage() = default;

void frmImage::buildControls()
{
    Frame1 = PlaceTwips(new QGroupBox(this), 120, 60, 7560, 6720);
    Frame1->setObjectName(QStringLiteral("Frame1"));

    imgSilvar = PlaceTwips(new QLabel(Frame1), 180, 180, 7200, 5400);
    imgSilvar->setObjectName(QStringLiteral("imgSilvar"));
    imgSilvar->setAlignment(Qt::AlignCenter);
    imgSilvar->setFrameShape(QFrame::StyledPanel);
    imgSilvar->setPixmap(DesignPicture(imgSilvar->contentsRect().size()));

    txtSendPhoto = PlaceTwips(new QPlainTextEdit(Frame1), 180, 180, 7200, 5400);
    txtSendPhoto->setObjectName(QStringLiteral("txtSendPhoto"));
    txtSendPhoto->setReadOnly(true);
    QFont requestFont = txtSendPhoto->font();
    requestFont.setPointSizeF(requestFont.pointSizeF() * 1.2);
    txtSendPhoto->setFont(requestFont);
    txtSendPhoto->hide();

    Label1 = {PlaceTwips(new QLabel(Frame1), 180, 6180, 1140, 315),
              PlaceTwips(new QLabel(Frame1), 180, 5730, 1140, 315)};
    Label1[0]->setObjectName(QStringLiteral("Label1_0"));
    Label1[1]->setObjectName(QStringLiteral("Label1_1"));
    txtAuthor = PlaceTwips(readOnlyBox(Frame1, "txtAuthor"), 1320, 5700, 6060, 345);
    txtDetail = PlaceTwips(readOnlyBox(Frame1, "txtDetail"), 1320, 6150, 6060, 345);

    cmdPervious = PlaceTwips(new QPushButton(this), 120, 6900, 840, 450);
    cmdPervious->setObjectName(QStringLiteral("cmdPervious"));
    cmdPervious->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    cmdNext = PlaceTwips(new QPushButton(this), 1020, 6900, 840, 450);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    cmdClose = PlaceTwips(new QPushButton(this), 6480, 6900, 1200, 450);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    connect(cmdPervious, &QPushButton::clicked, this, &frmImage::cmdPervious_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmImage::cmdNext_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void frmImage::LoadPhotos()
{
    const QString spId = CurrentSpecies::instance().selectedId();
    if (spId.isEmpty())
        return;
    m_album = std::make_unique<PhotoAlbum>(spId);
    if (m_album->isEmpty()) {
        txtSendPhoto->setPlainText(PhotoRequestMessage().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        txtSendPhoto->show();
        cmdPervious->setEnabled(false);
        cmdNext->setEnabled(false);
        for (QWidget *w : {static_cast<QWidget *>(imgSilvar), static_cast<QWidget *>(txtAuthor),
                           static_cast<QWidget *>(txtDetail), static_cast<QWidget *>(Label1[0]),
                           static_cast<QWidget *>(Label1[1])})
            w->hide();
        return;
    }
    txtSendPhoto->hide();
    showCurrentRow();
}

void frmImage::cmdNext_Click()
{
    txtSendPhoto->hide();
    if (m_album && m_album->MoveNext())
        showCurrentRow();
}

void frmImage::cmdPervious_Click()
{
    txtSendPhoto->hide();
    if (m_album && m_album->MovePrevious())
        showCurrentRow();
}

void frmImage::showCurrentRow()
{
    const Photo photo = m_album->current();
    showPicture(photo);
    txtAuthor->setText(photo.author);
    txtDetail->setText(photo.details);
    txtAuthor->setCursorPosition(0);
    txtDetail->setCursorPosition(0);
}

// A file that cannot be shown is said so in the picture's place, so the
// author and description never stand under another row's photograph.
void frmImage::showPicture(const Photo &photo)
{
    const QSize area = imgSilvar->contentsRect().size();
    if (photo.file.isEmpty()) {
        const QString reason = tr("Not a picture file name: %1").arg(photo.image);
        imgSilvar->setPixmap(UnavailablePicture(area, reason));
        imgSilvar->setToolTip(reason);
        return;
    }
    QImageReader reader(photo.file, "jpg");
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        const QString name = QFileInfo(photo.file).fileName();
        const QString reason = QFileInfo::exists(photo.file)
                                   ? tr("The picture file %1 cannot be read: %2").arg(name, reader.errorString())
                                   : tr("Picture file not found: %1").arg(name);
        imgSilvar->setPixmap(UnavailablePicture(area, reason));
        imgSilvar->setToolTip(reason);
        return;
    }
    imgSilvar->setPixmap(QPixmap::fromImage(image.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    imgSilvar->setToolTip(QFileInfo(photo.file).fileName());
}
