// MciDevices.cpp: the alias book shared by the media objects of one device layer.
#include "MciDevices.h"

QString MciDevices::reserveAlias(const QString& wanted)
{
    QString alias = wanted;
    for (int suffix = 2; m_reservedAliases.contains(alias.toLower()); ++suffix)
        alias = wanted + u'_' + QString::number(suffix);
    m_reservedAliases.insert(alias.toLower());
    return alias;
}

void MciDevices::releaseAlias(const QString& alias) { m_reservedAliases.remove(alias.toLower()); }
