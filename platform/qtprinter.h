#pragma once

// QtPrinter: the Printer seam over a QPrinter (a real printer, or a PDF file in tests).

#include <memory>

#include <QPainter>
#include <QPrinter>

#include "platform.h"

namespace picturecraft {

class QtPrinter : public Printer {
  public:
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    ~QtPrinter() override;

    void setPaperCode(int code) override;
    void setOrientationCode(int code) override;
    int pageWidthTwips() const override;
    int pageHeightTwips() const override;
    bool drawPicture(const QImage& picture, const QRectF& target) override;
    bool endDocument() override;

    QPrinter& printer() { return *printer_; }

    // QPageSize for a Windows paper code; nullopt for codes the programs never send.
    static std::optional<QPageSize::PageSizeId> pageSizeForCode(int code);

  private:
    bool beginIfNeeded();
    QSizeF paperMillimetres() const;

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
};

}  // namespace picturecraft
