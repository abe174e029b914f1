#pragma once

#include "engine/ErrorNumber.h"

#include <cstdint>
#include <exception>
#include <string>
#include <utility>

// A failure as the data-access layer and the platform raise it: a signed 32-bit number and a
// description. It lives in the lowest layer so that every layer above can raise and pass it on.
class Error : public std::exception
{
public:
    Error(std::int32_t number, std::string description)
        : m_number(number), m_description(std::move(description))
    {
    }

    std::int32_t number() const noexcept { return m_number; }
    const std::string& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_description.c_str(); }

    // What the failure left of the data it stopped changing, said for the operator; empty when
    // the failure stopped no change. Apart from the description, which stays the failure's own.
    const std::string& dataNote() const noexcept { return m_dataNote; }
    Error withDataNote(std::string note) const
    {
        Error noted = *this;
        noted.m_dataNote = std::move(note);
        return noted;
    }

private:
    std::int32_t m_number;
    std::string m_description;
    std::string m_dataNote;
};
