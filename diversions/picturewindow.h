#pragma once
#include "platform/form.h"

#include <QByteArray>
#include <QImage>

class QLabel;
class QPushButton;

// A small gift for lovers of fine cars: our own picture of a sports car,
// shown full screen, which the user may keep.
class TImagebm : public plat::Form {
    Q_OBJECT
public:
    explicit TImagebm(QWidget *parent = nullptr);

    static constexpr int kWidth = 801;
    static constexpr int kHeight = 633;

    QLabel *Label1; // the car and its film
    QLabel *Image1; // the picture
    QLabel *Label2; // where the picture comes from
    QPushButton *BitBtn1, *BitBtn2;

    // The picture as JPEG data, made at its first use.
    const QByteArray &jpeg();

    void BitBtn1Click(); // "Enregistrer l'image sous..."
    void BitBtn2Click(); // "Fermer cette fenêtre"

    // The car, drawn by the program.
    static QImage drawCar();

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void fitPicture();

    QByteArray m_jpeg;
    QImage m_picture; // decoded from m_jpeg
};

extern TImagebm *Imagebm;
