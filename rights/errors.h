#pragma once
// Failures of the rights store. Messages are the system's German texts.
#include <stdexcept>
#include <string>

namespace rights {

class ERightsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Wrong caption or checksum.
class ERangeError : public ERightsError {
 public:
  using ERightsError::ERightsError;
};

// A stream that ends inside a record, or a count that cannot fit.
class EReadError : public ERightsError {
 public:
  EReadError() : ERightsError("Stream-Lesefehler") {}
  using ERightsError::ERightsError;
};

// A record of the wrong kind inside a list block.
class EClassError : public ERightsError {
 public:
  EClassError() : ERightsError("Fehler beim Einlesen der Rechteinformationen\rKlassenfehler") {}
};

// The file could not be opened, created or written.
class EFileError : public ERightsError {
 public:
  using ERightsError::ERightsError;
};

// An index outside a list.
class EListError : public ERightsError {
 public:
  explicit EListError(long index)
      : ERightsError("Listenindex überschreitet das Maximum (" + std::to_string(index) + ")") {}
};

}  // namespace rights
