#pragma once
// The null sink of the private sound server that the sound tests run beside
// (scripts/sound-server.sh): what it plays is recorded from its monitor.

#include <QByteArray>
#include <QString>

// The sink's name and the server's address (for the -s option of the server's
// tools); each fails the test when the tests were started without the server.
QString SoundSinkName();
QString SoundServerAddress();

// Records the sink for the given time while the event loop runs and returns
// the RMS amplitude of that stretch (the median of its 50 ms blocks), full
// scale 1.0.
double RecordedRms(int milliseconds);

// Below this the sink counts as silent; a clip at full loudness is far above.
constexpr double SilenceRms = 0.001;

// A 30 s clip with a small picture and a steady 440 Hz sine of amplitude 0.5
// (RMS 0.354) at the sink's own rate, made once per test program.
const QString& SineClip();
