#pragma once
#include "places/PlaceIndex.h"

#include <QLineEdit>

#include <memory>

class QCompleter;
class QStandardItemModel;

// The Find Place box of a toolbar: type-ahead over the names and alternate
// names of the application's place index, each row "name, province,
// country" (with the kind of a division), best match first. Choosing a row
// (click, or arrow keys and Enter) emits placeChosen; Enter on text that
// names one place chooses it too. Without a usable index the box is disabled
// and says places are unavailable; the rest of the window works as before.
// Ctrl+L in the box's window puts the cursor in the box.
class FindPlaceBox : public QLineEdit {
    Q_OBJECT
public:
    explicit FindPlaceBox(QWidget *parent = nullptr);

    bool available() const { return m_places != nullptr; }
    // The rows the box offers for its text, as shown.
    QStringList rows() const;

signals:
    void placeChosen(const Place &place);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void search(const QString &text);
    void choose(int row);
    void chooseTyped();

    std::shared_ptr<const PlaceIndex> m_places;
    QStandardItemModel *m_rows;
    QCompleter *m_completer;
    QString m_unavailable; // why the place index could not be read
};

// A row of the box: "Chiang Mai — Chiang Mai, Thailand", a division with its
// kind ("Kabupaten Sleman (district) — Yogyakarta, Indonesia").
QString PlaceRowText(const Place &place);
