#include "parser/syntax.h"

#include <initializer_list>
#include <string_view>

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
        std::visit(Overloaded{
                       [&](const Block& block) {
                         for (const Sequence& line : block.lines) ForEachCommand(line, visit);
                       },
                       [&](const IfCommand& branch) {
                         ForEachCommand(branch.then_branch, visit);
                         if (branch.else_branch) ForEachCommand(*branch.else_branch, visit);
                       },
                       [&](const ForCommand& loop) { ForEachCommand(loop.body, visit); },
                       [](const SimpleCommand&) {},
                       [](const Unreadable&) {},
                   },
                   command->node);
      }
    }
  }
}

namespace {

template <typename CommandType, typename Visit>
void VisitOwnTexts(CommandType& command, const Visit& visit) {
  for (auto& redirection : command.redirections) visit(redirection.target);
  if (auto* simple = std::get_if<SimpleCommand>(&command.node)) {
    visit(simple->name);
    visit(simple->arguments);
  } else if (auto* branch = std::get_if<IfCommand>(&command.node)) {
    visit(branch->condition.left);
    visit(branch->condition.right);
  } else if (auto* loop = std::get_if<ForCommand>(&command.node)) {
    visit(loop->root);
    visit(loop->options);
    visit(loop->set);
  }
}

}  // namespace

void ForEachOwnText(const Command& command, const std::function<void(const Text&)>& visit) {
  VisitOwnTexts(command, visit);
}

void ForEachOwnText(Command& command, const std::function<void(Text&)>& visit) {
  VisitOwnTexts(command, visit);
}

std::string SourceForm(const VariableEdit& edit) {
  if (const Substring* substring = std::get_if<Substring>(&edit)) {
    return "~" + substring->start + (substring->length ? "," + *substring->length : "");
  }
  if (const Replacement* replacement = std::get_if<Replacement>(&edit)) {
    return (replacement->star ? "*" : "") + replacement->old_text + "=" + replacement->new_text;
  }
  return "";
}

namespace {

// The parts one after the other: "+" on a literal and a temporary string
// draws a false warning from g++ 12 where it inlines.
std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view part : parts) out += part;
  return out;
}

}  // namespace

std::string Outline(const Text& text) {
  std::string out;
  for (const Piece& piece : text.pieces()) {
    switch (piece.kind) {
      case Piece::Kind::kLiteral:
        out += piece.text;
        break;
      case Piece::Kind::kVariable:
      case Piece::Kind::kDelayedVariable: {
        out += piece.kind == Piece::Kind::kVariable ? "{%" : "{!";
        // Read only if delayed expansion is on when the command runs.
        if (piece.if_not_delayed() != nullptr) out += "?";
        if (!piece.inner().empty()) {
          Text inner;
          for (const Piece& part : piece.inner()) inner.Append(part);
          out += Concat({"(", Outline(inner), ")"});
        }
        out += piece.text;
        const std::string edit = SourceForm(piece.edit());
        out += Concat({edit.empty() ? "" : ":", edit, "}"});
        break;
      }
      case Piece::Kind::kArgument:
        out += "{%" + piece.modifiers() + std::to_string(piece.index) + "}";
        break;
      case Piece::Kind::kAllArguments:
        out += "{%*}";
        break;
      case Piece::Kind::kLoopVariable:
        out += "{%%" + piece.modifiers() + piece.text + "}";
        break;
    }
  }
  return out;
}

namespace {

std::string Outline(const Condition& condition) {
  std::string out = "if";
  if (condition.ignore_case) out += "/i";
  if (condition.negated) out += " not";
  static const char* const kKinds[] = {"", "errorlevel", "exist", "defined", "cmdextversion"};
  static const char* const kCompares[] = {"==", "equ", "neq", "lss", "leq", "gtr", "geq"};
  if (condition.kind == Condition::Kind::kCompare) {
    return out + " <" + Outline(condition.left) + "> " +
           kCompares[static_cast<int>(condition.compare)] + " <" + Outline(condition.right) + ">";
  }
  return out + " " + kKinds[static_cast<int>(condition.kind)] + " <" + Outline(condition.left) +
         ">";
}

// The recursion is as deep as blocks, conditions and loops nest.
std::string Outline(const Command& command) {
  std::string out = std::visit(
      Overloaded{
          [](const SimpleCommand& simple) {
            return Concat({simple.quiet ? "@" : "", simple.word.empty() ? "prog:" : "",
                           simple.word.empty() ? Outline(simple.name) : simple.word, "[",
                           Outline(simple.arguments), "]"});
          },
          [](const Block& block) {
            std::string out = "(";
            for (size_t i = 0; i < block.lines.size(); ++i) {
              out += Concat({i ? "; " : "", Outline(block.lines[i])});
            }
            return out + ")";
          },
          [](const IfCommand& branch) {
            std::string out =
                Concat({Outline(branch.condition), " {", Outline(branch.then_branch), "}"});
            if (branch.else_branch) out += Concat({" else {", Outline(*branch.else_branch), "}"});
            return out;
          },
          [](const ForCommand& loop) {
            static const char* const kKinds[] = {"for", "for/d", "for/r", "for/l", "for/f"};
            std::string out = kKinds[static_cast<int>(loop.kind)];
            if (!loop.root.empty()) out += Concat({" <", Outline(loop.root), ">"});
            if (!loop.options.empty()) out += Concat({" <", Outline(loop.options), ">"});
            return out + Concat({" %", std::string_view(&loop.variable, 1), " in(",
                                 Outline(loop.set), ") {", Outline(loop.body), "}"});
          },
          [](const Unreadable&) { return std::string("unreadable"); },
      },
      command.node);
  if (command.Is<Unreadable>()) return out;
  for (const Redirection& r : command.redirections) {
    static const char* const kOperators[] = {">", ">>", "<", ">&"};
    out += Concat(
        {" ", std::to_string(r.handle), kOperators[static_cast<int>(r.kind)], Outline(r.target)});
  }
  return out;
}

}  // namespace

std::string Outline(const Sequence& sequence) {
  std::string out;
  for (size_t i = 0; i < sequence.items.size(); ++i) {
    if (i) out += " & ";
    const AndOr& list = sequence.items[i];
    for (size_t j = 0; j < list.pipelines.size(); ++j) {
      if (j) out += list.and_before[j - 1] ? " && " : " || ";
      const Pipeline& pipeline = list.pipelines[j];
      for (size_t k = 0; k < pipeline.commands.size(); ++k) {
        out += (k ? " | " : "") + Outline(*pipeline.commands[k]);
      }
    }
  }
  return out;
}

std::string Outline(const Statement& statement) {
  switch (statement.kind) {
    case Statement::Kind::kLabel:
      return ":" + statement.label;
    case Statement::Kind::kEmpty:
      return "empty";
    case Statement::Kind::kCommands:
      return Outline(statement.body);
  }
  return "";
}

}  // namespace morvex::batch
