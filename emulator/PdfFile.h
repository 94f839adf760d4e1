#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "PdfObject.h"

// The objects of a PDF file, found by scanning for "N G obj" rather than trusting the cross-
// reference table, so a damaged or cut-off file still gives what it holds. Decoding is bounded:
// at most kMaxObjects objects, and no more than kMaxDecodedBytes inflated in all.
class PdfFile {
  public:
    static constexpr std::size_t kMaxObjects = 200000;
    static constexpr std::size_t kMaxDecodedBytes = 64u << 20;
    static constexpr int kMaxReferenceHops = 16;

    explicit PdfFile(std::string_view data);

    // The object with this number (the last definition wins), nullptr when there is none.
    const PdfObject* Object(std::uint32_t number) const;
    // Follows references; nullptr for a dangling one or a chain that goes on too long.
    const PdfObject* Resolve(const PdfObject* object) const;
    // The value of key in a dictionary, references followed.
    const PdfObject* Lookup(const PdfObject* dictionary, std::string_view key) const;
    // The stream's data, inflated when it is Flate-encoded; empty for a filter not understood
    // or once the decoding budget is spent.
    std::string StreamData(const PdfObject* stream);

    // The trailer's /Root, or else the first object of /Type /Catalog.
    const PdfObject* Catalog() const;
    // Objects in the order they stand in the file.
    const std::vector<std::uint32_t>& ObjectOrder() const { return order_; }

  private:
    void Index();

    std::string_view data_;
    std::map<std::uint32_t, PdfObject> objects_;
    std::vector<std::uint32_t> order_;
    PdfObject trailer_;
    std::size_t decodedBytes_ = 0;
};
