#pragma once
#include <QList>
#include <QString>

// The Chinese reference of VBScript statements shown by the help window:
// one entry per statement, in the order the help lists them.
namespace StatementReference {

struct Argument {
    QString name;
    QString meaning;
};

struct Entry {
    QString name;     // "Do...Loop"
    QString title;    // "Do...Loop 语句"
    QString summary;  // one line
    QString syntax;
    QList<Argument> arguments;  // may be empty
    QString remarks;            // paragraphs separated by blank lines
    QString example;            // may be empty
};

const QList<Entry>& entries();

// The whole reference as one rich-text page with a table of contents.
QString html();

}  // namespace StatementReference
