#pragma once

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// Fill the three navigation trees of the main window. They add to the trees
// without clearing them. Throws CatalogueError when a tree cannot be filled.
void LoadBotanicTree(QTreeWidget *treeBN);
void LoadCommonTree(QTreeWidget *treeCN);
void LoadUseTree(QTreeWidget *treeFU);
// Sets the caption of a botanic or common tree's root in the current language.
void RetranslateTreeRoot(QTreeWidget *tree);

// What a click on a node of each tree does.
void TreeBNNodeClick(QTreeWidget *treeBN);
void TreeCNNodeClick(QTreeWidget *treeCN);
void TreeFUNodeClick(QTreeWidget *treeFU);

// The key of a node (kept beside its text).
QString NodeKey(const QTreeWidgetItem *node);
