<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Загрузка обновлений</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Осталось: 0 мин.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>около часа</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>около %1 ч.</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 минута</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 мин.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 секунда</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 сек.</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Only web addresses (http, https) can be downloaded.</source>
        <translation>Загружать можно только веб-адреса (http, https).</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Не удалось записать файл %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Не удалось загрузить обновление.</translation>
    </message>
    <message>
        <source>The download is larger than %1, more than any update needs.</source>
        <translation>Загрузка больше %1 — ни одному обновлению не нужно столько.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Сервер ничего не присылал %1 сек.</translation>
    </message>
    <message>
        <source>of</source>
        <translation>из</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Загрузка обновлений</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Сервер ответил кодом состояния HTTP %1.</translation>
    </message>
    <message>
        <source>The download ended after %1 of %2 bytes.</source>
        <translation>Загрузка прервалась после %1 из %2 байт.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Не удалось сохранить файл %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Загрузка завершена!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Программа установки откроется отдельно</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Нажмите «OK», чтобы начать установку обновления</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Для установки обновления может потребоваться выйти из приложения. Это обязательное обновление: выход сейчас закроет приложение</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Для установки обновления может потребоваться выйти из приложения.</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Нажмите кнопку «Открыть», чтобы применить обновление</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Загруженное обновление не найдено!</translation>
    </message>
    <message>
        <source>The download folder could not be opened.</source>
        <translation>Не удалось открыть папку загрузок.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Отменить загрузку? Это обязательное обновление: выход сейчас закроет приложение</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Отменить загрузку?</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information is larger than 1 MiB.</source>
        <translation>Сведения об обновлении больше 1 МиБ.</translation>
    </message>
    <message>
        <source>The update server sent nothing for %1 seconds.</source>
        <translation>Сервер обновлений ничего не присылал %1 сек.</translation>
    </message>
    <message>
        <source>The update information did not arrive within %1 seconds.</source>
        <translation>Сведения об обновлении не пришли за %1 сек.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Сервер ответил кодом состояния HTTP %1.</translation>
    </message>
    <message>
        <source>The update information is not readable.</source>
        <translation>Сведения об обновлении не удаётся прочитать.</translation>
    </message>
    <message>
        <source>The update information names an address that is not a web address: %1</source>
        <translation>В сведениях об обновлении указан адрес, который не является веб-адресом: %1</translation>
    </message>
    <message>
        <source>Could not check for updates of %1</source>
        <translation>Не удалось проверить обновления %1</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Поздравляем! У вас последняя версия %1</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Сейчас обновлений нет</translation>
    </message>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Вышла версия %1 программы %2!</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Загрузить обновление сейчас? Это обязательное обновление: выход сейчас закроет приложение.</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Загрузить обновление сейчас?</translation>
    </message>
</context>
</TS>
