#include "cad-host/HostCommandLine.h"

#include "cad-host/HostDocument.h"
#include "cad-host/HostGroups.h"

namespace trellis::cadhost {

namespace {

// A word as typed, in any letter case, with or without the "_" that asks for the English name.
bool Is(const QString& word, std::initializer_list<const char*> names) {
  QString bare = word.toLower();
  if (bare.startsWith(u'_')) bare.remove(0, 1);
  for (const char* name : names) {
    if (bare == QLatin1String(name)) return true;
  }
  return false;
}

}  // namespace

void HostCommandLine::Type(HostDocument& document, const QString& text) {
  for (const QChar c : text) {
    // CR LF is one Enter.
    const bool lineFeedAfterReturn = c == u'\n' && afterReturn_;
    afterReturn_ = c == u'\r';
    if (lineFeedAfterReturn) continue;
    if (c == u' ' || c == u'\r' || c == u'\n') {
      const QString word = pending_;
      pending_.clear();
      Submit(document, word);
    } else {
      pending_ += c;
    }
  }
}

void HostCommandLine::Submit(HostDocument& document, const QString& word) {
  switch (step_) {
    case Step::Command:
      if (word.isEmpty()) return;
      if (Is(word, {"-group"})) {
        step_ = Step::GroupOption;
      } else {
        history_ << QStringLiteral("Unknown command \"%1\"").arg(word);
      }
      return;
    case Step::GroupOption:
      if (Is(word, {"s", "selectable"})) {
        step_ = Step::GroupName;
      } else {
        history_ << QStringLiteral("-GROUP: option \"%1\" is not supported").arg(word);
        step_ = Step::Command;
      }
      return;
    case Step::GroupName:
      if (!document.Groups().Find(word)) {
        history_ << QStringLiteral("-GROUP: no group \"%1\"").arg(word);
        step_ = Step::Command;
        return;
      }
      groupName_ = word;
      step_ = Step::GroupAnswer;
      return;
    case Step::GroupAnswer: {
      step_ = Step::Command;
      const auto group = document.Groups().Find(groupName_);
      if (!group) return;
      if (word.isEmpty() || Is(word, {"y", "yes"})) group->selectable = !group->selectable;
      history_ << QStringLiteral("-GROUP: %1 is %2")
                      .arg(group->Name(), group->selectable ? QStringLiteral("selectable")
                                                            : QStringLiteral("unselectable"));
      document.Changed();
      return;
    }
  }
}

}  // namespace trellis::cadhost
