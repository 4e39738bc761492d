#pragma once

#include <QFont>

/// \brief The embedded Liberation Sans, the face of every text of the course.
namespace fonts {

/// Pixel sizes of the course's point sizes at 96 dots per inch.
inline constexpr int Pt8_25 = 11;
inline constexpr int Pt9_75 = 13;
inline constexpr int Pt12 = 16;
inline constexpr int Pt13_5 = 18;
inline constexpr int Pt18 = 24;
inline constexpr int Pt19_5 = 26;

/// \brief Registers the embedded faces with the application; idempotent.
/// Needs a QGuiApplication.
void registerEmbedded();

/// \brief The family name of the embedded face.
QString family();

/// \brief Liberation Sans at \a pixelSize, registering the faces on first use.
QFont font(int pixelSize, bool bold = false, bool italic = false);

} // namespace fonts
