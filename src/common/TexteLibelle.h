#pragma once

#include <QString>

// A text read from a mechanism's files, made fit for a menu item or a button caption, where "&"
// would mark a keyboard shortcut and vanish.
QString TexteLibelle(const QString &texte);
