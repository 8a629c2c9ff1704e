#pragma once
// Message and input boxes answered from a script. Every message is recorded; a
// message nobody expected is a failure that problems() reports.
#include "platform/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace testing {

struct ShownMessage {
    QString text;
    platform::Icon icon;
    platform::Buttons buttons;
    QString title;
};

struct AskedInput {
    QString prompt;
    QString title;
    bool password;
};

class ScriptedDialogs final : public platform::Dialogs {
public:
    ScriptedDialogs() { platform::setDialogs(this); }                // installs itself
    ~ScriptedDialogs() override { platform::setDialogs(nullptr); }  // puts the silent dialogs back

    // The next message must have exactly this text; it is answered with `answer`.
    void expectMessage(const QString &text, platform::Answer answer = platform::Answer::Ok) { queue_.append({false, false, text, answer, {}}); }
    // The next message may have any text (a drawn amount); it is answered with `answer`.
    void expectAnyMessage(platform::Answer answer = platform::Answer::Ok) { queue_.append({false, true, {}, answer, {}}); }
    // The next input box is answered with `text` (nullopt: cancelled).
    void expectInput(std::optional<QString> text) { queue_.append({true, false, {}, platform::Answer::Ok, std::move(text)}); }
    // Called when a message is shown, after it is recorded (e.g. to act while a box is up).
    std::function<void(const ShownMessage &)> onMessage;

    platform::Answer message(const QString &text, platform::Icon icon, platform::Buttons buttons,
                             const QString &title) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText,
                                 bool password) override;

    const QList<ShownMessage> &messages() const { return messages_; }
    QStringList messageTexts() const;
    const QList<AskedInput> &inputs() const { return inputs_; }
    // Empty when every message and input was expected and every expectation was used.
    QString problems() const;
    bool allAnswered() const { return problems().isEmpty(); }
    void clear() { queue_.clear(), messages_.clear(), inputs_.clear(), problems_.clear(); }

private:
    struct Expected {
        bool input = false;
        bool anyText = false;
        QString text;
        platform::Answer answer = platform::Answer::Ok;
        std::optional<QString> inputText;
    };
    QList<Expected> queue_;
    QList<ShownMessage> messages_;
    QList<AskedInput> inputs_;
    QStringList problems_;
};

}  // namespace testing

// Checks inside a test function that the dialogs saw exactly what was scripted.
#define VERIFY_DIALOGS(d) QVERIFY2((d).allAnswered(), qPrintable((d).problems()))
