// Puts any text into a message box as the desktop shows one, words and file names being text that
// anyone can choose: laying it out must never load a file, hang or grow without bound.

#include "core/EightBitText.h"
#include "core/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_message_text";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    const QString text = decodeUtf8OrWindows1252(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    const std::unique_ptr<QMessageBox> box(newMessageBox(
        text, QStringLiteral("Tovrin"), Platform::Buttons::Ok, Platform::Icon::None, nullptr));
    box->adjustSize();
    return 0;
}
