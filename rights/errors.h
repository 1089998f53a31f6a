#pragma once
// Failures of the rights store. Messages are the system's German texts; the
// kind lets callers branch without reading them.
#include <stdexcept>
#include <string>

namespace rights {

enum class TErrorKind {
  BadCaption,   // not a rights file, or its header is damaged
  BadChecksum,  // the body does not match the header's checksum
  ShortStream,  // the data ends inside a record, or a count cannot fit
  WrongClass,   // a record of another kind inside a list block
  File,         // a file could not be opened, read, created or written
  ListIndex,    // an index outside a list
  Catalog,      // the rights catalog cannot be read
};

class ERightsError : public std::runtime_error {
 public:
  ERightsError(TErrorKind kind, const std::string& message) : std::runtime_error(message), fKind(kind) {}
  TErrorKind Kind() const { return fKind; }

 private:
  TErrorKind fKind;
};

// Wrong caption or checksum.
class ERangeError : public ERightsError {
 public:
  static ERangeError BadCaption(const std::string& fileName) {
    return {TErrorKind::BadCaption, "Die Datei " + fileName + " ist keine gültige Rechtedatei oder beschädigt."};
  }
  static ERangeError BadChecksum(const std::string& fileName) {
    return {TErrorKind::BadChecksum, "Die Datei " + fileName + " wurde anscheinend manipuliert."};
  }

 private:
  using ERightsError::ERightsError;
};

// A stream that ends inside a record, or a count that cannot fit.
class EReadError : public ERightsError {
 public:
  EReadError() : ERightsError(TErrorKind::ShortStream, "Stream-Lesefehler") {}
};

// A record of the wrong kind inside a list block.
class EClassError : public ERightsError {
 public:
  EClassError() : ERightsError(TErrorKind::WrongClass, "Fehler beim Einlesen der Rechteinformationen\rKlassenfehler") {}
};

// The file could not be opened, created or written.
class EFileError : public ERightsError {
 public:
  explicit EFileError(const std::string& message) : ERightsError(TErrorKind::File, message) {}
};

// An index outside a list.
class EListError : public ERightsError {
 public:
  explicit EListError(long index)
      : ERightsError(TErrorKind::ListIndex, "Listenindex überschreitet das Maximum (" + std::to_string(index) + ")") {}
};

}  // namespace rights
