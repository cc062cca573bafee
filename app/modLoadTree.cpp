#include "app/modLoadTree.h"

#include "app/modLoadList.h"
#include "catalogue/ListStatements.h"
#include "catalogue/SpeciesLists.h"
#include "controls/Icons.h"

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
template <typename Loader>
void groupedClick(QTreeWidget *tree, const QString &rootText, Loader load)
{
    const QTreeWidgetItem *node = selectedNode(tree);
    if (!node)
        return;
    if (node->text(0) == rootText) {
        if (QTreeWidgetItem *root = tree->topLevelItem(0))
            root->setExpanded(true);
        load(QString(), ListAll);
    } else if (node->parent() && node->parent()->text(0) == rootText) {
        load(node->text(0), ListGroup);
    }
}

} // namespace

QString NodeKey(const QTreeWidgetItem *node) { return node ? node->data(0, Qt::UserRole).toString() : QString(); }

void LoadBotanicTree(QTreeWidget *treeBN)
{
    loadGrouped(treeBN, QStringLiteral("Botanic"), QStringLiteral("Botanic Names"), QueryBotanicTree());
}

void LoadCommonTree(QTreeWidget *treeCN)
{
    loadGrouped(treeCN, QStringLiteral("Common"), QStringLiteral("Common Names"), QueryCommonTree());
}

void LoadUseTree(QTreeWidget *treeFU)
{
    for (const QString &use : UseNames())
        addNode(treeFU, nullptr, use, use);
}

void TreeBNNodeClick(QTreeWidget *treeBN) { groupedClick(treeBN, QStringLiteral("Botanic Names"), LoadBotanicList); }

void TreeCNNodeClick(QTreeWidget *treeCN) { groupedClick(treeCN, QStringLiteral("Common Names"), LoadCommonList); }

void TreeFUNodeClick(QTreeWidget *treeFU)
{
    const QTreeWidgetItem *node = selectedNode(treeFU);
    if (node && UseNames().contains(node->text(0)))
        LoadUseList(QStringLiteral("Species.") + node->text(0));
}
