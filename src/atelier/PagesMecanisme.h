#pragma once

#include <QByteArray>
#include <QString>

// A whole page around its body. Every character outside ASCII becomes a numeric entity, so the page
// reads the same whatever character set a viewer assumes.
QByteArray PageHtml(const QString &titre, const QString &corps);
// The same for a page that is whole already.
QByteArray HtmlEnAscii(const QString &page);

// The help page of a colouring exercise, by parts or by classes, for a mechanism of that many.
QByteArray PageAideColoriage(const QString &nomMecanisme, bool parClasse, int nombre);
