#pragma once

#include <QWidget>

#include <memory>

namespace vcl {

class TJPEGImage;

// An image control: draws its picture into its box as Stretch, Proportional
// and Center say, whole rows and columns dropped or repeated (no smoothing).
// It has no background of its own: the parent shows where the picture does
// not cover the box.
class TImage : public QWidget
{
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);
    ~TImage() override;

    void SetPicture(std::unique_ptr<TJPEGImage> picture);
    TJPEGImage *Picture() const { return m_picture.get(); }

    bool Stretch = false;
    bool Proportional = false;
    bool Center = false;

    // The display's bits per pixel; tests force the palette path with 8.
    void SetDisplayDepth(int depth) { m_displayDepth = depth; }

    // Where the picture lands in the box now.
    QRect DestRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int displayDepth() const;

    std::unique_ptr<TJPEGImage> m_picture;
    int m_displayDepth = 0;
    bool m_failed = false;
};

} // namespace vcl
