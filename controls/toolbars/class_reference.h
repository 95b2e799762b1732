#pragma once

#include <typeindex>
#include <typeinfo>

// A class reference: makes objects of one class through their base and tells whether an object is of
// exactly that class. What an item shows its children with, or a popup window its view with, is named this
// way, so that descendants can put classes of their own in place.
template <typename Base, typename... Args> class TClassReference
{
public:
    template <typename T> static TClassReference Of()
    {
        return TClassReference(typeid(T), [](Args... args) -> Base* { return new T(args...); });
    }
    Base* Create(Args... args) const { return make_(args...); }
    // True when object is of exactly this class (not of a descendant).
    bool IsClassOf(const Base& object) const { return std::type_index(typeid(object)) == type_; }
    bool operator==(const TClassReference& other) const { return type_ == other.type_; }

private:
    using Maker = Base* (*)(Args...);
    TClassReference(const std::type_info& type, Maker make) : type_(type), make_(make) {}
    std::type_index type_;
    Maker make_;
};
