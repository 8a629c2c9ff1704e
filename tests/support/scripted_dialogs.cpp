#include "support/scripted_dialogs.h"

namespace testing {

platform::Answer ScriptedDialogs::message(const QString &text, platform::Icon icon, platform::Buttons buttons,
                                          const QString &title)
{
    const ShownMessage shown{text, icon, buttons, title};
    messages_.append(shown);
    platform::Answer answer = buttons == platform::Buttons::Ok ? platform::Answer::Ok : platform::Answer::Cancel;
    if (queue_.isEmpty() || queue_.first().input) {
        problems_ << QStringLiteral("unexpected message: \"%1\"").arg(text);
    } else {
        const Expected e = queue_.takeFirst();
        if (!e.anyText && e.text != text)
            problems_ << QStringLiteral("message \"%1\" where \"%2\" was expected").arg(text, e.text);
        answer = e.answer;
    }
    if (onMessage)
        onMessage(shown);
    return answer;
}

std::optional<QString> ScriptedDialogs::input(const QString &prompt, const QString &title, const QString &,
                                              bool password)
{
    inputs_.append({prompt, title, password});
    if (queue_.isEmpty() || !queue_.first().input) {
        problems_ << QStringLiteral("unexpected input box: \"%1\"").arg(prompt);
        return std::nullopt;
    }
    return queue_.takeFirst().inputText;
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const auto &m : messages_)
        texts << m.text;
    return texts;
}

QString ScriptedDialogs::problems() const
{
    QStringList all = problems_;
    for (const auto &e : queue_)
        all << (e.input ? QStringLiteral("input box never asked")
                        : QStringLiteral("expected message never shown: \"%1\"").arg(e.anyText ? "<any>" : e.text));
    return all.join(QLatin1Char('\n'));
}

}  // namespace testing
