// Modal message boxes as the program shows them: French standard buttons
// whatever the machine's language, the title "Calkado" unless another is given.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

struct Message
{
    QMessageBox::Icon icone = QMessageBox::Information;
    QString titre;                       // empty: the application's title
    QString texte;
    QMessageBox::StandardButtons boutons = QMessageBox::Ok;
    QMessageBox::StandardButton defaut = QMessageBox::NoButton;
    QMessageBox::StandardButton echappement = QMessageBox::NoButton;
};

// Shows the message application-modal and waits for the answer, the button
// pressed (the escape button when the box is closed otherwise).
QMessageBox::StandardButton AfficherMessage(QWidget* parent, const Message& message);

enum class ProblemeBase;

// Tells what went wrong with the results store, and what it means for what
// was being done: a critical message, OK, under the application's title.
void SignalerProblemeBase(QWidget* parent, ProblemeBase probleme, const QString& consequence);
