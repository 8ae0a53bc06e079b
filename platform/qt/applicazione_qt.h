#pragma once

namespace vantrel::qt {

/// Fonts and printers need a QGuiApplication. Programs without windows of their own (the command
/// line, the benchmarks) call this before printing: it makes one, once, when none exists, on the
/// offscreen platform unless QT_QPA_PLATFORM names another, so that no display is needed.
void assicuraApplicazioneQt();

} // namespace vantrel::qt
