#pragma once

#include <QFont>

/// \brief The embedded Liberation Sans, the face of every text of the course.
///
/// The faces are registered with the application when a text first needs
/// them, not before: whatever measures or draws a text in the course's face
/// calls registerFor() (or registerEmbedded()) first, on the GUI thread.
namespace fonts {

/// Pixel sizes of the course's point sizes at 96 dots per inch.
inline constexpr int Pt8_25 = 11;
inline constexpr int Pt9_75 = 13;
inline constexpr int Pt12 = 16;
inline constexpr int Pt13_5 = 18;
inline constexpr int Pt18 = 24;
inline constexpr int Pt19_5 = 26;

/// \brief Registers the upright faces (regular and bold); idempotent.
/// Needs a QGuiApplication; on the GUI thread only.
void registerEmbedded();
/// \brief Registers the italic faces too; idempotent. On the GUI thread only.
void registerItalic();
/// \brief Registers the faces that \a font needs; idempotent. On the GUI thread only.
void registerFor(const QFont &font);
/// \brief The faces registered so far.
enum class Faces { None, Upright, All };
Faces registered();
/// \brief Whether every face is registered: what drawing off the GUI thread needs.
bool allRegistered();

/// \brief The family name of the embedded face.
QString family();

/// \brief Liberation Sans at \a pixelSize (the faces are not registered by this).
QFont font(int pixelSize, bool bold = false, bool italic = false);

} // namespace fonts
