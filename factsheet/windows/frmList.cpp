#include "factsheet/windows/frmList.h"

#include "controls/TranslatedText.h"

#include "catalogue/CurrentSpecies.h"
#include "catalogue/SpeciesLists.h"
#include "controls/DragPanel.h"
#include "controls/ListSorter.h"
#include "controls/ReportList.h"
#include "controls/Twips.h"
#include "factsheet/FactSheet.h"

#include <QFile>
#include <QFontDatabase>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTextEdit>

#include <cmath>
#include <exception>

namespace {
constexpr int SplitterHeightTwips = 90;
}

void InstallListFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
            if (QFile::exists(QString::fromLatin1(file)))
                QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    }
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

QStringList FactSheetFamilies()
{
    // The monospaced body font has Latin, Greek and Cyrillic only; each script of
    // the catalogue's common names gets a font drawn at the body's size, instead
    // of whatever fallback the system picks (Thai came out at half the height).
    return {QStringLiteral("Courier New"),     QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
            QStringLiteral("Garuda"),          QStringLiteral("Phetsarath OT"),   QStringLiteral("Padauk"),
            QStringLiteral("Khmer OS"),        QStringLiteral("Lohit Devanagari"), QStringLiteral("Droid Sans Fallback")};
}

frmList::frmList(QWidget *parent)
    : QWidget(parent),
      pic1(new QWidget(this)),
      lstTree(new ReportList(6, pic1)),
      pic2(new DragPanel(Qt::Vertical, this)),
      pic3(new QWidget(this)),
      richDetail(new QTextEdit(pic3))
{
    InstallListFonts();
    setObjectName(QStringLiteral("frmList"));
    pic1->setObjectName(QStringLiteral("pic1"));
    lstTree->setObjectName(QStringLiteral("lstTree"));
    pic2->setObjectName(QStringLiteral("pic2"));
    pic3->setObjectName(QStringLiteral("pic3"));
    richDetail->setObjectName(QStringLiteral("richDetail"));
    Translated(this, "frmList", QT_TR_NOOP("Species List"));

    QFont listFont(QStringLiteral("Tahoma"));
    listFont.setPointSizeF(8.25);
    lstTree->setFont(listFont);
    QFont sheetFont;
    sheetFont.setFamilies(FactSheetFamilies());
    sheetFont.setPointSizeF(9.75);
    sheetFont.setWeight(QFont::Normal);
    richDetail->setFont(sheetFont);
    richDetail->document()->setDefaultFont(sheetFont);
    richDetail->setReadOnly(true);
    richDetail->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_upper = TwipsToPixelsY(5000, this);
    resize(TwipsToPixelsX(11600, this), TwipsToPixelsY(9000, this));

    // A click on any row, the selected one included, shows its species; so
    // does moving the selection with the keys. Filling the list is no choice:
    // the loaders select the first row with the list's signals blocked.
    connect(lstTree, &ReportList::rowChosen, this, &frmList::ShowSelectedSpecies);
    connect(lstTree, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!lstTree->pointerDown() && lstTree->selectedRow())
            ShowSelectedSpecies();
    });
    connect(lstTree->header(), &QHeaderView::sectionClicked, this, &frmList::headerClicked);
    // The selection model reports changes also while a loader blocks the list's signals.
    connect(lstTree->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmList::publishSelection);
    connect(lstTree->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmList::publishSelection);
    connect(lstTree->model(), &QAbstractItemModel::modelReset, this, &frmList::publishSelection);

    connect(pic2, &DragPanel::pressed, this, [this] { dragging = true; });
    connect(pic2, &DragPanel::released, this, [this] { dragging = false; });
    connect(pic2, &DragPanel::moved, this, &frmList::dragTo);
}

frmList::~frmList()
{
    // The list's model outlives this part of the window and resets while the
    // base class deletes it; a reset must not reach a half-destroyed frmList.
    lstTree->model()->disconnect(this);
    lstTree->selectionModel()->disconnect(this);
    lstTree->disconnect(this);
    CurrentSpecies::instance().setSelected(QString(), QString());
}

void frmList::publishSelection()
{
    const QTreeWidgetItem *row = lstTree->selectedRow();
    CurrentSpecies::instance().setSelected(ReportList::cell(row, 2), ReportList::cell(row, 4));
}

namespace {

// The column headings the list loaders give (in English, as the command line
// prints them), marked for translation here where they are shown.
[[maybe_unused]] const char *const ListHeadings[] = {
    QT_TRANSLATE_NOOP("frmList", "Synonym Names"), QT_TRANSLATE_NOOP("frmList", "Current Names"),
    QT_TRANSLATE_NOOP("frmList", "Functional Uses"), QT_TRANSLATE_NOOP("frmList", "Common Names"),
    QT_TRANSLATE_NOOP("frmList", "Genus"), QT_TRANSLATE_NOOP("frmList", "Language")};

} // namespace

void frmList::showHeaders()
{
    for (int i = 0; i < m_headers.size() && i + 2 < lstTree->columnCount(); ++i) {
        if (!m_headers[i].isEmpty())
            lstTree->headerItem()->setText(i + 2, tr(m_headers[i].toUtf8().constData()));
    }
}

QString frmList::ShowRows(const SpeciesList &rows)
{
    // Filling the list is not a row choice: the fact sheet stays as it is.
    const QSignalBlocker quiet(lstTree);
    lstTree->setUpdatesEnabled(false);
    lstTree->clear();
    m_headers = rows.headers;
    showHeaders();
    for (int i = 0; i < rows.widths.size() && i < lstTree->columnCount(); ++i)
        lstTree->header()->resizeSection(i, TwipsToPixelsX(rows.widths[i], lstTree));
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.rows.size());
    for (const SpeciesListRow &row : rows.rows)
        items << ReportList::makeRow({row.spId, row.found, row.current, row.extra, row.language});
    lstTree->addTopLevelItems(items);
    PaintAlternatingRows(lstTree, QColor(255, 255, 255), QColor(192, 255, 192));
    lstTree->resort();
    lstTree->setUpdatesEnabled(true);
    if (lstTree->topLevelItemCount() == 0)
        return QString();
    QTreeWidgetItem *first = lstTree->topLevelItem(0);
    lstTree->setCurrentItem(first);
    return ReportList::cell(first, 2);
}

void frmList::ShowRowsUnselected(const SpeciesList &rows)
{
    ShowRows(rows);
    const QSignalBlocker quiet(lstTree);
    lstTree->setCurrentItem(nullptr);
    lstTree->clearSelection();
}

void frmList::ViewInRich(const QString &paramlist)
{
    const QString report = BuildFactSheet(paramlist);
    m_shownSpecies = paramlist;
    // Through the document, so the new text starts in the body font and colour
    // rather than in the format of wherever the caret last stood (a heading).
    richDetail->document()->setPlainText(FactSheetDisplayText(report));
}

// A new language: the headings of the list and of the fact sheet follow it;
// the rows, the selection and the place in the sheet stay.
void frmList::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        showHeaders();
        if (!m_shownSpecies.isEmpty()) {
            const int scroll = richDetail->verticalScrollBar()->value();
            try {
                ViewInRich(m_shownSpecies);
                Colorize();
            } catch (const std::exception &) {
                // The sheet keeps its text in the language it was built in.
            }
            QTextCursor top = richDetail->textCursor();
            top.setPosition(0);
            richDetail->setTextCursor(top);
            richDetail->verticalScrollBar()->setValue(scroll);
        }
    }
    QWidget::changeEvent(event);
}

void frmList::Colorize() { richDetail->setTextCursor(ColorizeFactSheet(richDetail->document())); }

void frmList::colorword(const QString &Swords, const QColor &Scolor, int SFontsize, bool Sbold, bool Sitalic)
{
    richDetail->setTextCursor(ColorWord(richDetail->document(), Swords, Scolor, SFontsize, Sbold, Sitalic));
}

void frmList::ShowSelectedSpecies()
{
    // The row's species becomes the current one even when its sheet cannot be built.
    const QString spId = ReportList::cell(lstTree->selectedRow(), 2);
    ShowFactSheet(spId);
    SetCurrentSpID(spId);
}

void frmList::ShowFactSheet(const QString &spId)
{
    richDetail->clear();
    try {
        ViewInRich(spId);
        Colorize();
    } catch (const std::exception &) {
        // The sheet stays empty: a row that names no complete species is not
        // worth a message each time it is clicked.
    }
    QTextCursor top = richDetail->textCursor();
    top.setPosition(0);
    richDetail->setTextCursor(top);
}

void frmList::headerClicked(int section)
{
    static const char *const kinds[] = {"", "", "Synonym Names", "Current Names", "Genus", "Language"};
    const int column = section + 1;
    if (column >= 1 && column <= 6)
        SortList(lstTree, column, QString::fromLatin1(kinds[section]));
}

int frmList::upperPaneHeight() const { return int(std::lround(PixelsToTwipsY(m_upper, this))); }

void frmList::setUpperPaneHeight(double twips)
{
    m_upper = TwipsToPixelsY(twips, this);
    layoutPanes();
}

void frmList::dragTo(QPoint position)
{
    if (!dragging)
        return;
    // A step that would make the upper pane's height negative is not applied.
    const int upper = m_upper + position.y();
    if (upper >= 0)
        m_upper = upper;
    lastDragY = PixelsToTwipsY(position.y(), this);
    layoutPanes();
}

void frmList::resizeEvent(QResizeEvent *) { layoutPanes(); }

void frmList::layoutPanes()
{
    const int splitter = TwipsToPixelsY(SplitterHeightTwips, this);
    pic1->setGeometry(0, 0, width(), m_upper);
    lstTree->setGeometry(0, 0, pic1->width(), pic1->height());
    pic2->setGeometry(0, m_upper, width(), splitter);
    // The lower pane fills the window below the splitter; a negative height is not applied.
    const int lower = height() - (m_upper + splitter);
    if (lower >= 0) {
        pic3->setGeometry(0, m_upper + splitter, width(), lower);
        richDetail->setGeometry(0, 0, pic3->width(), pic3->height());
    }
}
