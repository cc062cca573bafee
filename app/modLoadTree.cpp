#include "app/modLoadTree.h"

#include "app/modLoadList.h"
#include "catalogue/ListStatements.h"
#include "catalogue/SpeciesLists.h"
#include "controls/Icons.h"

#include <QCoreApplication>
#include <QTreeWidget>

namespace {

QTreeWidgetItem *addNode(QTreeWidget *tree, QTreeWidgetItem *parent, const QString &key, const QString &text)
{
    auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    node->setText(0, text);
    node->setData(0, Qt::UserRole, key);
    node->setIcon(0, TreeNodeIcon());
    return node;
}

// A root with one child per value; the root stays expanded.
void loadGrouped(QTreeWidget *tree, const QString &rootKey, const QString &rootText, const QStringList &values)
{
    QTreeWidgetItem *root = addNode(tree, nullptr, rootKey, rootText);
    root->setExpanded(true);
    for (const QString &value : values)
        addNode(tree, root, value, value);
}

QTreeWidgetItem *selectedNode(QTreeWidget *tree)
{
    const QList<QTreeWidgetItem *> selected = tree->selectedItems();
    return selected.isEmpty() ? tree->currentItem() : selected.first();
}

// Root chosen: expand it and list everything; child of the root: list its group.
// The root is told by its place, not by its caption, which follows the language.
template <typename Loader>
void groupedClick(QTreeWidget *tree, Loader load)
{
    const QTreeWidgetItem *node = selectedNode(tree);
    if (!node)
        return;
    if (!node->parent()) {
        if (QTreeWidgetItem *root = tree->topLevelItem(0))
            root->setExpanded(true);
        load(QString(), ListAll);
    } else if (!node->parent()->parent()) {
        load(node->text(0), ListGroup);
    }
}

} // namespace

QString NodeKey(const QTreeWidgetItem *node) { return node ? node->data(0, Qt::UserRole).toString() : QString(); }

void LoadBotanicTree(QTreeWidget *treeBN)
{
    loadGrouped(treeBN, QStringLiteral("Botanic"), QString(), QueryBotanicTree());
    RetranslateTreeRoot(treeBN);
}

void LoadCommonTree(QTreeWidget *treeCN)
{
    loadGrouped(treeCN, QStringLiteral("Common"), QString(), QueryCommonTree());
    RetranslateTreeRoot(treeCN);
}

void LoadUseTree(QTreeWidget *treeFU)
{
    for (const QString &use : UseNames())
        addNode(treeFU, nullptr, use, use);
}

void RetranslateTreeRoot(QTreeWidget *tree)
{
    QTreeWidgetItem *root = tree->topLevelItem(0);
    if (!root)
        return;
    const QString key = NodeKey(root);
    if (key == QLatin1String("Botanic"))
        root->setText(0, QCoreApplication::translate("modLoadTree", "Botanic Names"));
    else if (key == QLatin1String("Common"))
        root->setText(0, QCoreApplication::translate("modLoadTree", "Common Names"));
}

void TreeBNNodeClick(QTreeWidget *treeBN) { groupedClick(treeBN, LoadBotanicList); }

void TreeCNNodeClick(QTreeWidget *treeCN) { groupedClick(treeCN, LoadCommonList); }

void TreeFUNodeClick(QTreeWidget *treeFU)
{
    const QTreeWidgetItem *node = selectedNode(treeFU);
    if (node && UseNames().contains(node->text(0)))
        LoadUseList(QStringLiteral("Species.") + node->text(0));
}
