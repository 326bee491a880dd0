#pragma once

// A page of the record window, held without any widget: it stores itself into its base
// (Ecrit...) and reads the current block of its base back (Lit...).
class TPage {
public:
    virtual ~TPage() = default;
    // Stores the page into its base when it was edited; returns true when a block was stored.
    virtual bool ecrit() = 0;
    // Reads the base's current block into the page and clears its flag.
    virtual void lit() = 0;
    // Reads the new record at the base's current key and gives it the next number, whose
    // message, if the base's numbers do not convert, stops the command here.
    virtual void Nouvelle() { lit(); }
    // Copy and paste of the card's identity fields, through the page's own clipboard.
    virtual void Copier() = 0;
    virtual void Coller() = 0;
};
