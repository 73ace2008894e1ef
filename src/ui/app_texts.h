#pragma once
// Fixed texts the whole window shares.

#include <QString>

namespace rebound {

// Caption of every information box (and the application's own title).
inline QString ApplicationTitle() { return QStringLiteral("回弹仪v1.0.0.1"); }
// Caption of every question box.
inline QString QuestionTitle() { return QStringLiteral("提示"); }
inline QString MainWindowCaption() { return QStringLiteral("Kestrel 砂浆回弹仪处理软件"); }

// File dialog filters, in Qt's syntax. The instrument files come as .kst and
// .KST; the dialog lists both on file systems that tell case apart.
inline QString ProjectFilter() { return QStringLiteral("工程文件(*.prj);;所有文件(*.*)"); }
inline QString DeviceFilter() { return QStringLiteral("设备文件(*.kst *.KST);;测区文件(*.xcmp)"); }
inline QString ZoneFilter() { return QStringLiteral("测区文件(*.xcmp)"); }

// The Song (Ming) face of the panels and the grid, with fall-backs.
QStringList SongFamilies();

} // namespace rebound
