#pragma once
// The null sink of the private sound server that the sound tests run beside
// (scripts/sound-server.sh): what it plays is recorded from its monitor.

#include <QByteArray>
#include <QString>

// The server's address, for the -s option of its tools; fails the test when
// the tests were started without the server.
QString SoundServerAddress();

// What is heard once a change has gone through the engine's and the server's
// buffers: the RMS amplitude (full scale 1.0) of 600 ms recorded after waiting
// 500 ms, taken as the median of its 50 ms blocks while the event loop runs.
double SettledRms();

// Below this the sink counts as silent; a clip at full loudness is far above.
constexpr double SilenceRms = 0.001;

// A 30 s clip with a small picture and a steady 440 Hz sine of amplitude 0.5
// (RMS 0.354) at the sink's own rate, made once per test program.
const QString& SineClip();
