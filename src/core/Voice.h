#pragma once

#include <QLocale>
#include <QObject>
#include <QString>

#include <functional>

// The voice that the speech module makes. The module, and the speech libraries with it, is loaded
// only when the first word is to be said, on a speech thread; a voice lives on the thread that
// made it, and every call to it is made there.
class Voice {
public:
    enum class State { Ready, Speaking, Silent };

    virtual ~Voice() = default;

    // Opens the text-to-speech engine `engine`, speaking the language of `locale` when the engine
    // has it, else its own default; false when the engine is not there or does not start. This
    // may take seconds, or for ever with a speech service that never answers. From then on
    // `changed` hears of every change of state.
    virtual bool open(const QString& engine, const QLocale& locale,
                      std::function<void(State)> changed) = 0;
    // Says `text` and returns at once, cutting off what is still being said; an empty text only
    // cuts it off.
    virtual void say(const QString& text) = 0;

protected:
    Voice() = default;
    Voice(const Voice&) = default;
    Voice& operator=(const Voice&) = default;
};

Q_DECLARE_INTERFACE(Voice, "org.tovrin.Tovrin.Voice/1.0")

// The speech module's one entry: a new voice, made on the calling thread, owned by the caller.
using MakeVoice = QObject* (*)();
inline constexpr char MakeVoiceName[] = "tovrinMakeVoice";
