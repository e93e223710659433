#pragma once
// The channel sheet as a one-page A4 portrait PDF: real text, Chinese in an embedded
// font. Qt Gui without widgets, for the windows and rt410 alike; a QGuiApplication
// must exist.
#include <QByteArray>
#include <QString>

struct ChannelSheet;

QByteArray ChannelSheetPdf(const ChannelSheet& sheet);
// Written beside path and renamed over it only when complete. False, with the
// system's reason in error, when it could not be written.
bool WriteChannelSheetPdf(const ChannelSheet& sheet, const QString& path, QString& error);
