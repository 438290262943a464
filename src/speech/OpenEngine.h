#pragma once

#include <QString>

#include <chrono>
#include <memory>

class QTextToSpeech;

// Opens the text-to-speech engine `name` for the calling thread. Null when the engine is not
// there, does not start, or has not answered within `patience`: speech-dispatcher's engine waits
// for the service to answer, and a service that hangs would hold it for ever. Such an attempt is
// left behind on a thread of its own, and whatever it opens later is thrown away there.
std::unique_ptr<QTextToSpeech> openEngine(const QString& name, std::chrono::milliseconds patience);
