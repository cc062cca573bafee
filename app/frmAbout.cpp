#include "app/frmAbout.h"

#include "base/AboutTexts.h"
#include "base/AppIdentity.h"
#include "base/ApplicationFolder.h"
#include "controls/Icons.h"
#include "controls/TopmostWindow.h"
#include "controls/Twips.h"
#include "mapping/MapSources.h"

#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>

namespace {

QLabel *label(QWidget *parent, const char *name, double left, double top, double width, double height)
{
    auto *l = PlaceTwips(new QLabel(parent), left, top, width, height);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// The texts join their lines with a carriage return and line feed; a text box wants line feeds.
QString Lines(const QString &text)
{
    QString lines = text;
    return lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool StartDetached(const QString &program) { return QProcess::startDetached(program, {}); }

} // namespace

frmAbout::frmAbout(QWidget *owner)
    : QWidget(nullptr), fileExists([](const QString &path) { return QFileInfo(path).isFile(); }),
      startProgram(&StartDetached)
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmAbout"));
    buildControls();
    setFixedSize(TwipsToPixelsX(7500, this), TwipsToPixelsY(5400, this));

    m_gridSource = ReadLayerSources(ApplicationPath(QStringLiteral("\\ShapeFiles\\"))).value(QStringLiteral("pasia_canvas"));
    retranslate();
}

void frmAbout::retranslate()
{
    setWindowTitle(tr("About %1").arg(ApplicationTitle()));
    lblVersion->setText(VersionText(ApplicationVersion()));
    lblTitle->setText(ApplicationTitle());
    lblDescription->setText(CopyrightLine());
    lblDisclaimer->setText(Lines(LegalWarning(m_gridSource)));
    txtProgrammer->setPlainText(Lines(SupportText()));
    SSTab1->setTabText(1, tr("Support"));
    cmdSysInfo->setText(tr("System Info..."));
    cmdOK->setText(tr("Ok"));
}

void frmAbout::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

frmAbout::~frmAbout() = default;

void frmAbout::buildControls()
{
    SSTab1 = PlaceTwips(new QTabWidget(this), 120, 120, 7260, 4440);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));

    auto *about = new QWidget;
    SSTab1->addTab(about, QStringLiteral("Silvar-SEA"));
    Frame1 = PlaceTwips(new QFrame(about), 120, 120, 1200, 1200);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Picture1 = PlaceTwips(new QLabel(Frame1), 60, 60, 1080, 1080);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setPixmap(ApplicationIcon().pixmap(Picture1->size()));

    lblTitle = label(about, "lblTitle", 1500, 120, 5520, 360);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.35);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = label(about, "lblVersion", 1500, 540, 5520, 300);
    lblDescription = label(about, "lblDescription", 1500, 900, 5520, 480);
    lblDisclaimer = label(about, "lblDisclaimer", 120, 1500, 6960, 2400);
    QFont small = lblDisclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    lblDisclaimer->setFont(small);

    txtProgrammer = new QPlainTextEdit;
    txtProgrammer->setObjectName(QStringLiteral("txtProgrammer"));
    txtProgrammer->setReadOnly(true);
    SSTab1->addTab(txtProgrammer, QString());

    cmdSysInfo = PlaceTwips(new QPushButton(this), 4560, 4740, 1500, 420);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdOK = PlaceTwips(new QPushButton(this), 6180, 4740, 1200, 420);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
}

void frmAbout::StartSysInfo()
{
    const QString program = sysInfoLookup ? FindSysInfoProgram(*sysInfoLookup, fileExists) : QString();
    if (!program.isEmpty() && startProgram(program))
        return;
    // A plain notice: its title, text and OK, no icon.
    QMessageBox notice(QMessageBox::NoIcon, ApplicationTitle(),
                       tr("System Information Is Unavailable At This Time"), QMessageBox::Ok, this);
    notice.exec();
}
