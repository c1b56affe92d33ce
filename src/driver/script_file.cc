#include "driver/script_file.h"

namespace morvex {
namespace {

// The folder as a user would name it in a message.
std::string FolderForMessage(const std::string& folder) {
  if (folder.empty()) return ".";
  if (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) {
    return folder.substr(0, folder.size() - 1);
  }
  return folder;
}

}  // namespace

Status ScriptFile::Create(const std::string& name, const InputFile& input) {
  name_ = name;
  NameLookUp existing;
  if (Status status = LookUpName(name, &existing); !status.ok()) return Failure(status.message());
  // Judged by identity, not by spelling: "x.sh" itself, a link to the batch
  // file, or any other name of it.
  if (existing.kind != NameLookUp::kNothing && existing.identity == input.identity()) {
    return Failure("is the batch file itself; it is left as it is");
  }
  if (existing.kind == NameLookUp::kFolder) return Failure(FolderReason());

  folder_ = FolderOf(name);
  if (Status status = temporary_.Create(folder_); !status.ok()) {
    return Status::Failure(FolderForMessage(folder_) +
                           ": cannot create a temporary file: " + status.message());
  }
  return Status::Ok();
}

Status ScriptFile::Write(std::string_view bytes) {
  if (Status status = temporary_.Write(bytes); !status.ok()) return Failure(status.message());
  return Status::Ok();
}

Status ScriptFile::Commit() {
  // The script is on disk before it takes the name, so that a crash just
  // after the rename cannot leave an empty file there, and the folder is on
  // disk after it, so that the name is.
  if (Status status = temporary_.FlushToDisk(); !status.ok()) return Failure(status.message());
  if (Status status = temporary_.Close(); !status.ok()) return Failure(status.message());
  if (Status status = temporary_.RenameTo(name_); !status.ok()) return Failure(status.message());
  if (Status status = FlushFolderToDisk(folder_); !status.ok()) {
    return Status::Failure(FolderForMessage(folder_) + ": " + status.message());
  }
  return Status::Ok();
}

Status ScriptFile::Failure(std::string_view reason) const {
  return Status::Failure(name_ + ": " + std::string(reason));
}

}  // namespace morvex
