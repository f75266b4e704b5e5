#include "commands/headercommand.h"

#include "commands/cupcommand.h"

namespace rzv {

HeaderCommand::HeaderCommand(TCupData& cup, Field field, CupHeader after)
    : m_cup(cup), m_field(field), m_before(CupHeader::of(cup)), m_after(std::move(after)) {
    describe();
}

void HeaderCommand::describe() {
    switch (m_field) {
    case Name:
        setText(QStringLiteral("Bezeichnung des Rundenpokals ändern"));
        break;
    case Veranstalter:
        setText(QStringLiteral("Veranstalter des Rundenpokals ändern"));
        break;
    case Kategorie:
        setText(QStringLiteral("Kategorie ändern"));
        break;
    case Min:
        setText(QStringLiteral("Mindestteilnahmen ändern (") + QString::number(m_after.min) +
                u')');
        break;
    case Max:
        setText(QStringLiteral("maximale Anzahl gewerteter Teilnahmen ändern (") +
                QString::number(m_after.max) + u')');
        break;
    }
}

void HeaderCommand::undo() {
    m_before.applyTo(m_cup);
    showChanges(m_cup, {{ViewChange::Header}});
}

void HeaderCommand::redo() {
    m_after.applyTo(m_cup);
    showChanges(m_cup, {{ViewChange::Header}});
}

// Typing merges within one field; each spinner step stays a step of its own.
int HeaderCommand::id() const {
    constexpr int kFirstId = 1100;
    return m_field == Min || m_field == Max ? -1 : kFirstId + m_field;
}

bool HeaderCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const HeaderCommand*>(other);
    m_after = next->m_after;
    describe();
    setObsolete(m_after == m_before);
    return true;
}

void changeHeader(TCupData& cup, HeaderCommand::Field field, const CupHeader& after) {
    if (CupHeader::of(cup) == after) return;
    cup.history().push(new HeaderCommand(cup, field, after));
}

} // namespace rzv
