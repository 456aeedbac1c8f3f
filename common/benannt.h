// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every control carries the name the program's documentation uses for it as
// its objectName, so that tests and tools find it without reaching into the
// window's members.
#include <QObject>

namespace kalvion {

template <class T>
T* benannt(T* objekt, const char* name)
{
    objekt->setObjectName(QString::fromLatin1(name));
    return objekt;
}

}  // namespace kalvion
