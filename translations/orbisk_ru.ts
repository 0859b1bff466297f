<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>ButtonTexts</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Читать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Centre</name>
    <message>
        <source>Состав мониторингового приемника Halvorn 2010</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки приемника</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить телефон в список</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменить выбранный телефон или информацию об объекте</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelTexts</name>
    <message>
        <source>GSM канал-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТЛФ канал-</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DailyWorkTexts</name>
    <message>
        <source>Правка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать строки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вставить строки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить строки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недавние файлы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить расширитель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>добавление телефона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изменение телефона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>удаление телефонов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>импорт телефонов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вставка телефонов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>добавление расширителя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>удаление расширителя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>номер SIM-карты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изменение настроек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>настройки по умолчанию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить буфер событий приемника на порту %1?
Стертые события восстановить нельзя.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить расширитель %1 вместе с номером SIM-карты и списком телефонов (%2)?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeTexts</name>
    <message>
        <source>расширитель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>телефон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>объект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>код</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>зона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>раздел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>комментарии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слот</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>модуль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>номер телефона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>номер объекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>событие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>код события</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шлейф</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>группа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>комментарий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>строка %1, %2 &quot;%3&quot;: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>допустимы только символы 0-9 и A-F, один символ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>допустимы только цифры 0-9 и буквы A-F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком длинное значение, наибольшая длина %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>код события начинается с буквы E или R и содержит до 3 цифр 0-9, A-F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>допустимы только цифры, &quot;+&quot; и &quot;*&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в номере больше 16 символов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>символ &quot;%1&quot; не может быть сохранен в приемнике</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>переводы строк и управляющие символы недопустимы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в комментарии больше 16 символов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>расширитель %1: больше 200 телефонов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>расширитель %1: больше добавить нельзя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет столбца &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>столбец &quot;%1&quot; указан дважды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кавычка не закрыта до конца файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл пуст: нет строки заголовка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет ни одного телефона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удается прочитать файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>значений в строке больше, чем столбцов в заголовке (%1 из %2): возможно, в комментарии есть разделитель без кавычек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>похоже, таблица превратила значение в число; при открытии CSV задайте столбцам тип &quot;Текст&quot; (или включите &quot;Поля в кавычках как текст&quot;) и сохраните файл заново</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в текущем списке &quot;%1&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>телефоны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл .xlsx поврежден или не является книгой электронной таблицы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлы .xlsx в этой сборке программы не поддерживаются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в ячейке %1 число, а не текст; читается как &quot;%2&quot; (знак &quot;+&quot; и ведущие нули числом не сохраняются)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратите внимание:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>столбец &quot;%1&quot; не известен и не импортируется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сохраняется как &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить телефоны в списки расширителей:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заменить списки телефонов расширителей:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>расширитель %1: %2 тел. (было %3, станет %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (новый расширитель)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всего телефонов: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeUiTexts</name>
    <message>
        <source>Импорт телефонов...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт телефонов...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать телефоны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вставить телефоны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найти телефон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Импорт телефонов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вставка телефонов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Из буфера обмена в расширитель %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить к спискам расширителей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заменить списки расширителей, указанных в файле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ничего не импортировано. Ошибок в данных: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нажмите &quot;Импорт&quot;, чтобы выполнить:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Импорт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт телефонов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что экспортировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Все расширители</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Только расширитель %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формат файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV UTF-8, через запятую</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV для Excel (Windows-1251, через точку с запятой)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Далее...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Книга Excel (*.xlsx), все значения как текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (не поддерживается в этой сборке)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.xlsx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер, объект или комментарий:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найти далее</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не найдено</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommandTexts</name>
    <message>
        <source>Файл был изменен. Сохранить изменения?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileTexts</name>
    <message>
        <source>Не могу открыть файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это файл не для программы Orbisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не сохраняется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значения вне допустимых пределов сохранены исправленными, как их показывает программа:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не сохраняется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>есть такой файл, заменить?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не обычный файл (папка, устройство или канал)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет прав на запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет такой папки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл уже есть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка записи</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterTexts</name>
    <message>
        <source>WardenyDATA (*.rcf)|*.rcf|Все файлы (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица CSV или книга Excel (*.csv *.xlsx)|*.csv *.xlsx|Таблица CSV (*.csv)|*.csv|Книга Excel (*.xlsx)|*.xlsx|Текст (*.txt)|*.txt|Все файлы (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryDialogTexts</name>
    <message>
        <source>История...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить с файлом...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить с приемником</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>История</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резервные копии: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резервных копий пока нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Операция</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер приемника</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расширители</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Телефоны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приемник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фильтр: порт, приемник, номер приемника, модель, дата...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Все приемники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>показано %1 из %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл поврежден</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить с текущей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнение конфигураций</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурация на экране → </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>приемник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>различий: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryTexts</name>
    <message>
        <source>чтение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>чтение, похоже повреждено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>до сохранения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резервная копия не сохранена: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резервная копия: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурации совпадают</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расширитель </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>добавлен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>удален</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изменен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM-номер:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ телефон </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- телефон </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>~ телефон </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> → </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(пусто)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkTexts</name>
    <message>
        <source>Порт занят</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>соединение отклонено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>узел не найден</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет ответа, время ожидания истекло</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>соединение не установлено (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>соединение разорвано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неверное имя порта, нужно tcp://УЗЕЛ:ПОРТ или rfc2217://УЗЕЛ:ПОРТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сервер не принимает настройки линии (RFC 2217)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сервер не установил линию 1200 8N1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение успешно завершено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение неудачнo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись успешно завершена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись неудачна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приемник не подключен </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение времени успешно завершено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение неудачнo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время синхронизировано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стерто</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия приемника: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Необходимо прочитать настройки приемника</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тест памяти </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тест памяти шаг 1 выполнен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тест памяти шаг 2 выполнен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тест памяти - ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (приемник)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (компьютер)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaly 3320</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvorn </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 из %2 байт, осталось %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (оценка)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прервать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Список телефонов пуст. 
     Если в приемнике есть записанные телефоны, 
     то они будут удалены. Продолжить?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhoneListTexts</name>
    <message>
        <source>Список телефонов расширителя заполнен (200 телефонов), больше добавить нельзя</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReceiversTexts</name>
    <message>
        <source>Приемники...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приемники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поиск:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последнее чтение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последняя запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последняя копия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последний результат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменить...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть конфигурацию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить с копией</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Комментарий к работе (в журнал)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резервные копии...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить приемник &quot;%1&quot; из реестра? Журнал его работ сохранится.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У приемника &quot;%1&quot; не указан файл конфигурации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У приемника &quot;%1&quot; еще нет резервной копии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приемников: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новый приемник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приемник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объект (адрес):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер приемника:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не указан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Комментарий:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл конфигурации:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обзор...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурация (*.rcf);;Все файлы (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал работ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Результат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подробности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал не сохранен: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterTexts</name>
    <message>
        <source>Реестр приемников недоступен в этой сборке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реестр приемников %1 не открывается: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реестр приемников %1 поврежден или не является базой данных: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реестр приемников %1 создан более новой версией Orbisk (версия схемы %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реестр приемников %1: это не обычный файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реестр приемников %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя приемника не может быть пустым</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя приемника длиннее %1 знаков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя приемника содержит управляющие знаки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя приемника начинается или кончается пробелом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приемник &quot;%1&quot; уже есть в реестре</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приемника &quot;%1&quot; нет в реестре</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не указан порт приемника</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер приемника - число от 0 до 15, а не &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись в журнал не сделана: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер приемника %1, а в реестре записан %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time,user,receiver,port,action,result,detail,file,comment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportMenuTexts</name>
    <message>
        <source>Печать...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предварительный просмотр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт в PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подготовка отчета...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчет: страница %1 из %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масштаб:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>По ширине</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подготовка страниц: %1 из %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На выбранной бумаге отчет занимает %1 стр. Выберите страницы для печати снова.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>Конфигурация приемника</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полный путь:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчет составлен:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приемник:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(не сохранена)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(есть несохраненные изменения)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать отчет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>стр. %1 из %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (продолжение)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dd.MM.yyyy hh:mm:ss</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Отправка контрольного сигнала в РС каждые 30 сек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При отключенной опции принимаются все входящие звонки в DATA режиме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разрешить прием SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При отключенной опции SMS принимаются с любых телефонов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не включайте опцию, если не подключен принтер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Информация на дисплее на русском языке ( в Wardeny D2, Pollux )</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программа: Orbisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия:  1.14.02</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Номер телефона и информация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер телефона объекта:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер объекта:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код события:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер зоны /пользователя:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер раздела:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Комментарий:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Расширитель </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер телефона SIM карты в расширителе:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вызов CLIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вызов DATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтобы проверить наличие 
услуг CLIP и DATA, сделайте 
пробный вызов</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Выбор порта</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Тестирование памяти</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TraceTexts</name>
    <message>
        <source>Журнал обмена...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал обмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записывать обмен с приемником в журнал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл журнала:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обзор...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каждый сеанс связи дописывается в конец файла: все байты, паузы и время ожидания.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал (*.log *.txt);;Все файлы (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferQuestionTexts</name>
    <message>
        <source>Конфигурация не принята. Прочитать снова?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать конфигурацию %1 в приемник на порту %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменения против последней резервной копии этого порта (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверить запись чтением?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не спрашивать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идет обмен с приемником. Прервать его и закрыть программу?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Читать дважды и сравнивать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спрашивать о проверке записи</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferTexts</name>
    <message>
        <source>настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM-номер расширителя %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>расширитель %1: число телефонов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>расширитель %1, телефон %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>модель и версия приемника</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>типы каналов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 = %3, допустимо %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>расширитель %1: приемник сообщил %2 телефонов, больше 200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: номер содержит недопустимые знаки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: байты, которые программа не записывает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>модель приемника не из четырех цифр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>версия приемника содержит непечатные знаки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>после ответа приемника пришло еще %1 байт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитанная конфигурация похоже повреждена:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Два чтения подряд дали разные данные:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>номер приемника</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>формат для связи с РС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>хендшейк</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кол-во звонков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидание ACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка записи чтением</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись проверена чтением: приемник хранит записанную конфигурацию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка записи: приемник хранит не ту конфигурацию, что была записана. Запишите ее снова.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка записи: приемник не прочитан, записанная конфигурация не проверена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приемник мог сохранить конфигурацию не полностью.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отличается: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>и еще %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: папки нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: не сохранено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитанное сохранено как подозрительная резервная копия: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <source>Номер приемника:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формат для связи с РС:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хендшейк:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кол-во звонков:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ожидание ACK:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество расширителей:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Телефонов в расширителе %1: %2 → %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значения вне допустимых пределов отправлены исправленными, как их показывает программа:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сердцебиение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Антиспам для DATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прием SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Антиспам для SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Динамик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Русский язык</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Комментарии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выкл. подсветки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модель приемника:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состав:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки приемника:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> GSM канал </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ТЛФ канал </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> тел:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество телефонов: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>телефон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>объект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>код</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>зона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>раздел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>комментарии</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbisk::FilesController</name>
    <message>
        <source>Новый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbisk::ReceiversDialog</name>
    <message>
        <source>чтение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>резервная копия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>проверка записи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>установка времени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очистка буфера событий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тест памяти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>успешно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неудачно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прервано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>похоже повреждено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не совпадает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не сохранено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>память неисправна</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbisk::SettingsPanel</name>
    <message>
        <source>Номер, который отображается в отчете в Ravelstat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbisk::TForm1</name>
    <message>
        <source>Добавить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>больше добавить нельзя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приемник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить по умолчанию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синхронизировать время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расширитель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить телефон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменить телефон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить телефон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить расширитель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбор порта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки по умолчанию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия приемника</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Телефонный номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить время в приемнике с компьютерным</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очистить буфер событий</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbisk::TForm2</name>
    <message>
        <source>Введите телефонный номер</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbisk::TForm3</name>
    <message>
        <source>Введите телефонный номер SIM карты в расширителе</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbisk::TForm6</name>
    <message>
        <source>Внимание!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При тестировании памяти весь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>буфер событий будет очищен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продолжить?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В память занесены тестовые значения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выключите на некоторое время приемник и</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>включите вновь. После 2-го сигнала (~5 сек)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нажмите Читать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тест успешно завершен!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приемник неисправен. Удачи!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не отвечает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Попробуйте еще</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbisk::cli</name>
    <message>
        <source>Разница (приемник - компьютер): %1%2 с
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
