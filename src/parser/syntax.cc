#include "parser/syntax.h"

namespace morvex::batch {

namespace {
const PieceDetails& NoDetails() {
  static const PieceDetails none;
  return none;
}
}  // namespace

const std::string& Piece::modifiers() const {
  return details_ ? details_->modifiers : NoDetails().modifiers;
}
const VariableEdit& Piece::edit() const {
  return details_ ? details_->edit : NoDetails().edit;
}
const std::vector<Piece>& Piece::inner() const {
  return details_ ? details_->inner : NoDetails().inner;
}

const std::vector<Piece>* Piece::if_not_delayed() const {
  return details_ && details_->if_delayed ? &details_->otherwise : nullptr;
}

PieceDetails& Piece::mutable_details() {
  if (!details_) {
    details_ = std::make_shared<PieceDetails>();
  } else if (details_.use_count() > 1) {
    details_ = std::make_shared<PieceDetails>(*details_);
  }
  return *details_;
}

bool Piece::operator==(const Piece& other) const {
  return kind == other.kind && index == other.index && text == other.text &&
         modifiers() == other.modifiers() && edit() == other.edit() && inner() == other.inner() &&
         (if_not_delayed() == nullptr) == (other.if_not_delayed() == nullptr) &&
         (if_not_delayed() == nullptr || *if_not_delayed() == *other.if_not_delayed());
}

void Text::Append(std::string_view literal) {
  if (literal.empty()) return;
  if (!pieces_.empty() && pieces_.back().kind == Piece::Kind::kLiteral) {
    pieces_.back().text += literal;
  } else {
    pieces_.push_back(Piece::Literal(std::string(literal)));
  }
}

void Text::Append(Piece piece) {
  if (piece.kind == Piece::Kind::kLiteral) {
    Append(std::string_view(piece.text));
  } else {
    pieces_.push_back(std::move(piece));
  }
}

void Text::Append(const Text& other) {
  for (const Piece& piece : other.pieces_) Append(piece);
}

void Text::RemoveLastByte() {
  std::string& last = pieces_.back().text;
  last.pop_back();
  if (last.empty()) pieces_.pop_back();
}

bool Text::IsLiteral() const {
  return pieces_.empty() || (pieces_.size() == 1 && pieces_[0].kind == Piece::Kind::kLiteral);
}

std::string Text::LiteralPart() const {
  std::string bytes;
  for (const Piece& piece : pieces_) {
    if (piece.kind == Piece::Kind::kLiteral) bytes += piece.text;
  }
  return bytes;
}

// The recursion is as deep as blocks, conditions and loops nest, which the
// parser limits.
void ForEachCommand(const Sequence& sequence, const std::function<void(const Command&)>& visit) {
  for (const AndOr& list : sequence.items) {
    for (const Pipeline& pipeline : list.pipelines) {
      for (const CommandPtr& command : pipeline.commands) {
        visit(*command);
        switch (command->kind) {
          case Command::Kind::kBlock:
            for (const Sequence& line : command->block->lines) ForEachCommand(line, visit);
            break;
          case Command::Kind::kIf:
            ForEachCommand(command->if_command->then_branch, visit);
            if (command->if_command->else_branch) {
              ForEachCommand(*command->if_command->else_branch, visit);
            }
            break;
          case Command::Kind::kFor:
            ForEachCommand(command->for_command->body, visit);
            break;
          case Command::Kind::kSimple:
          case Command::Kind::kUnreadable:
            break;
        }
      }
    }
  }
}

namespace {

template <typename CommandType, typename Visit>
void VisitOwnTexts(CommandType& command, const Visit& visit) {
  for (auto& redirection : command.redirections) visit(redirection.target);
  switch (command.kind) {
    case Command::Kind::kSimple:
      visit(command.simple.name);
      visit(command.simple.arguments);
      break;
    case Command::Kind::kIf:
      visit(command.if_command->condition.left);
      visit(command.if_command->condition.right);
      break;
    case Command::Kind::kFor:
      visit(command.for_command->root);
      visit(command.for_command->options);
      visit(command.for_command->set);
      break;
    case Command::Kind::kBlock:
    case Command::Kind::kUnreadable:
      break;
  }
}

}  // namespace

void ForEachOwnText(const Command& command, const std::function<void(const Text&)>& visit) {
  VisitOwnTexts(command, visit);
}

void ForEachOwnText(Command& command, const std::function<void(Text&)>& visit) {
  VisitOwnTexts(command, visit);
}

}  // namespace morvex::batch
