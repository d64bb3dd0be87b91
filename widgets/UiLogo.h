#pragma once

#include <QPixmap>
#include <QSize>

// The program's logo: a sage leaf and the word "Salvia" on a transparent ground, drawn at the given
// size (the main window shows it at 256 × 180).
QPixmap salviaLogo(const QSize &size = QSize(256, 180));

// The application icon: the leaf alone.
QPixmap salviaIcon(int side = 64);
