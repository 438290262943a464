#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <functional>

// The voice that the speech module offers. The module, and the speech libraries with it, is loaded
// only when the first word is to be said, on the speech thread; the voice lives there, and every
// call to it is made there.
class Voice {
public:
    enum class State { Ready, Speaking, Silent };

    virtual ~Voice() = default;

    // Opens the first of `engines` (text-to-speech engine names) that answers, speaking the
    // language of `locale` when that engine has it, else its own default. This may take seconds.
    // From then on `changed` hears of every change of state. With no engine the voice is Silent.
    virtual void open(const QStringList& engines, const QLocale& locale,
                      std::function<void(State)> changed) = 0;
    // Says `text` and returns at once, cutting off what is still being said; an empty text only
    // cuts it off.
    virtual void say(const QString& text) = 0;
    // The engine that was opened, or empty.
    virtual QString engine() const = 0;

protected:
    Voice() = default;
    Voice(const Voice&) = default;
    Voice& operator=(const Voice&) = default;
};

#define TOVRIN_VOICE_IID "org.tovrin.Tovrin.Voice/1.0"
Q_DECLARE_INTERFACE(Voice, TOVRIN_VOICE_IID)
