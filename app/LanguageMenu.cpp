#include "app/LanguageMenu.h"

#include "base/InterfaceLanguage.h"

#include <QActionGroup>
#include <QEvent>

LanguageMenu::LanguageMenu(QWidget *parent) : QMenu(parent), m_group(new QActionGroup(this))
{
    setObjectName(QStringLiteral("menuLanguage"));
    setTitle(tr("Language"));
    for (const InterfaceLanguage &language : InterfaceLanguages()) {
        // Each language by its own name, so that anyone finds theirs in any language.
        QAction *item = addAction(language.name);
        item->setObjectName(QStringLiteral("menuLanguage_") + language.code);
        item->setCheckable(true);
        item->setData(language.code);
        m_group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code = language.code] { choose(code); });
    }
    checkCurrent();
}

void LanguageMenu::choose(const QString &code)
{
    SaveInterfaceLanguage(SetApplicationLanguage(code));
    checkCurrent();
}

void LanguageMenu::checkCurrent()
{
    for (QAction *item : m_group->actions())
        item->setChecked(item->data().toString() == ApplicationLanguage());
}

void LanguageMenu::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setTitle(tr("Language"));
        checkCurrent();
    }
    QMenu::changeEvent(event);
}
