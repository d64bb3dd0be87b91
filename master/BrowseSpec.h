#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a browse screen shows and how it orders and searches: the part of a master-data
// description that the code tables, the partners and the raw materials share.

// One grid column: its caption and the data set's field.
struct GridColumn
{
    QString caption;
    QString field;
};

// One column of the list printout. `picture`: the field holds a picture file name of the
// program's Pictures folder, printed as the picture.
struct PrintColumn
{
    QString caption;
    QString field;
    double width = 30; // millimetres
    bool right = false;
    QString format; // numeric mask ("0.##")
    bool picture = false;
    bool date = false;
};

// One term of an order: a field, compared in Hungarian alphabetical order when it holds words.
struct OrderTerm
{
    QString field;
    bool words = false;
};

struct SortOrder
{
    QString caption;
    QList<OrderTerm> terms;
};

// How a search field finds its row.
enum class Match {
    CodePrefix, // an integer in range; the row whose code begins with the text as typed
    CodeExact, // an integer in range, padded to the code's width; exact
    TextExact, // the text as typed, exact (case kept)
    PrefixNoCase, // the beginning of the field, ignoring case
    WholeNoCase, // the whole field, ignoring case
    DateExact, // a date; exact
    PercentExact, // a number 0..100, comma or point; exact
};

struct SearchField
{
    QString caption;
    QString field;
    Match match = Match::PrefixNoCase;
    int width = 0; // padding of CodeExact
    int maximum = 0; // range of the codes: 0..maximum
    QString badValue; // the refusal of a typed value that is not of the field's kind
};

struct BrowseSpec
{
    QString screen; // class name of the browse screen (its objectName)
    QString caption;
    QString table;
    QString from; // FROM clause of the grid's query; the table when empty
    QStringList select; // the query's fields; every field of the table when empty
    QStringList key; // the fields that identify a row
    QList<GridColumn> grid;
    QList<SortOrder> orders;
    int initialOrder = 0;
    QList<SearchField> searches;
    QString reportTitle;
    // The printout's own fields when it shows computed ones; the grid's query when empty.
    QStringList reportSelect;
    QList<PrintColumn> report;
    bool reportLandscape = false;
    QString csvName;
    QString helpPage;
};

// The refusals of the browse screens' searches.
namespace SearchTexts {
QString notFound(); // "A keresett elem nem található!"
QString numbersOnly(); // "Hibás keresési értékadás!\rEz a mezőfajta csak számot tartalmazhat!"
} // namespace SearchTexts
