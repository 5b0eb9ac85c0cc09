// Qt's own texts in the program's language: the translation for the system's language,
// Brazilian Portuguese when that language has none installed.

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include "app/QtTranslations.h"

class TestTraducoes : public QObject {
  Q_OBJECT

 private slots:
  void qtTextsFollowTheSystemOrPortuguese_data();
  void qtTextsFollowTheSystemOrPortuguese();
};

void TestTraducoes::qtTextsFollowTheSystemOrPortuguese_data() {
  QTest::addColumn<QString>("system");
  QTest::addColumn<QString>("cancel");
  QTest::addColumn<QString>("copyInMenu");
  QTest::newRow("português do Brasil") << "pt_BR" << "Cancelar" << "&Copiar";
  QTest::newRow("português de Portugal: sem tradução própria") << "pt_PT" << "Cancelar" << "&Copiar";
  QTest::newRow("C, sem idioma") << "C" << "Cancelar" << "&Copiar";
  QTest::newRow("alemão instalado") << "de_DE" << "Abbrechen" << "&Kopieren";
  QTest::newRow("klingon, sem tradução") << "tlh" << "Cancelar" << "&Copiar";
}

void TestTraducoes::qtTextsFollowTheSystemOrPortuguese() {
  QFETCH(QString, system);
  QFETCH(QString, cancel);
  QFETCH(QString, copyInMenu);

  QTranslator* installed = validador::app::InstallQtTranslations(QLocale(system));

  QVERIFY(installed != nullptr);
  QDialogButtonBox buttons(QDialogButtonBox::Cancel);
  QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), cancel);
  QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Copy"), copyInMenu);
  QCoreApplication::removeTranslator(installed);
  delete installed;
  QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(),
           QStringLiteral("Cancel"));
}

QTEST_MAIN(TestTraducoes)
#include "TraducoesTest.moc"
